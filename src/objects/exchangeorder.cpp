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

// The exchanges themselves, on the numbers kept in their current order beside the indexes. A pass carries
// the record that keeps being exchanged rightwards, chosen without a branch: on shuffled input each
// exchange is a coin toss the processor cannot predict. A pass without an exchange leaves the order as it
// is, so every later pass would too.
void exchangeSort(QList<double> numbers, QList<qsizetype> &order)
{
    // Raw pointers: QList's operator[] checks for sharing on every write.
    double *const values = numbers.data();
    qsizetype *const indexes = order.data();
    for (qsizetype pass = 1; pass < order.size(); ++pass) {
        double carried = values[0];
        qsizetype carriedIndex = indexes[0];
        bool exchanged = false;
        const qsizetype last = order.size() - pass;
        for (qsizetype k = 0; k < last; ++k) {
            const double next = values[k + 1];
            const qsizetype nextIndex = indexes[k + 1];
            const bool exchange = isAbove(carried, next);
            values[k] = exchange ? next : carried;
            indexes[k] = exchange ? nextIndex : carriedIndex;
            carried = exchange ? carried : next;
            carriedIndex = exchange ? carriedIndex : nextIndex;
            exchanged |= exchange;
        }
        values[last] = carried;
        indexes[last] = carriedIndex;
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
