#include "objects/exchangeorder.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// The exchange rule: `later` moves before `earlier`.
bool isAbove(double earlier, double later)
{
    return earlier - later > kSortTolerance;
}

// True when "within the tolerance" is an equivalence on these numbers, that is when every run of sorted
// numbers whose neighbours lie within the tolerance spans no more than it. Differences of sorted doubles
// only grow with the distance between them, so the run's ends decide.
bool toleranceIsTransitive(QList<double> sorted)
{
    if (std::any_of(sorted.cbegin(), sorted.cend(), [](double number) { return std::isnan(number); }))
        return false;
    std::sort(sorted.begin(), sorted.end());
    qsizetype runStart = 0;
    for (qsizetype i = 1; i < sorted.size(); ++i) {
        if (isAbove(sorted[i], sorted[i - 1]))
            runStart = i;
        else if (isAbove(sorted[i], sorted[runStart]))
            return false;
    }
    return true;
}

// The exchanges themselves. A pass without one leaves the order as it is, so every later pass would too.
void exchangeSort(const QList<double> &numbers, QList<qsizetype> &order)
{
    for (qsizetype pass = 1; pass < order.size(); ++pass) {
        bool exchanged = false;
        for (qsizetype k = 0; k < order.size() - pass; ++k) {
            if (isAbove(numbers[order[k]], numbers[order[k + 1]])) {
                std::swap(order[k], order[k + 1]);
                exchanged = true;
            }
        }
        if (!exchanged)
            return;
    }
}

} // namespace

QList<qsizetype> neighbourExchangeOrder(const QList<double> &numbers)
{
    QList<qsizetype> order(numbers.size());
    std::iota(order.begin(), order.end(), 0);
    if (toleranceIsTransitive(numbers)) {
        // Exchanges never pass one equal over another, and end in sorted order: the one stable order.
        std::stable_sort(order.begin(), order.end(),
                         [&numbers](qsizetype a, qsizetype b) { return isAbove(numbers[b], numbers[a]); });
    } else {
        exchangeSort(numbers, order);
    }
    return order;
}
