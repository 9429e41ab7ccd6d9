#pragma once

#include <QList>

// Two numbers closer than this are equal for the sort: records with them keep their order.
inline constexpr double kSortTolerance = 1e-7;

// The order that sorting by neighbour exchange puts the numbers in: n - 1 passes, each exchanging the
// neighbours k and k + 1 whenever numbers[k] - numbers[k + 1] > kSortTolerance. Gives, for each place in
// the sorted order, the index of the number that ends there.
//
// The tolerance makes "equal" intransitive (1, 1 + 0.6e-7 and 1 + 1.2e-7), and then the exchanges' own
// order decides the outcome; this gives exactly that outcome on every input. Where equality is transitive
// the outcome is the stable sort's, which is found in n log n time.
QList<qsizetype> neighbourExchangeOrder(const QList<double> &numbers);
