#include "objects/dictionary.h"
#include "objects/exchangeorder.h"
#include "objects/keysortnumber.h"
#include "platform/components/dictionary/dictionarycomponent.h"
#include "platform/components/regexp/regexpcomponent.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>

namespace {

void registerComponents()
{
    registerRegExpComponent();
    registerDictionaryComponent();
}

// Entries of every kind the text form writes, cycling through texts, numbers, bools, dates and bytes.
void fillMixed(Dictionary &dict, int entries)
{
    const QDateTime date(QDate(2020, 1, 1), QTime(8, 30, 5));
    for (int i = 0; i < entries; ++i) {
        const QByteArray key = "entry " + QByteArray::number(i);
        switch (i % 5) {
        case 0:
            dict.set(key, "歌曲 song title " + QByteArray::number(i));
            break;
        case 1:
            dict.set(key, i * 1.5);
            break;
        case 2:
            dict.set(key, i % 2 == 0);
            break;
        case 3:
            dict.set(key, date.addSecs(i));
            break;
        default: {
            AutomationVariant bytes;
            bytes.assign(QByteArray(16, char(i)), AutomationVariant::Bytes::AsByteArray);
            dict.set(key, bytes);
        }
        }
    }
}

void BM_ToText(benchmark::State &state)
{
    registerComponents();
    Dictionary dict;
    fillMixed(dict, int(state.range(0)));
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray text = dict.toText();
        bytes += text.size();
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_ToText)->Arg(10'000)->Unit(benchmark::kMillisecond);

void BM_FromText(benchmark::State &state)
{
    registerComponents();
    Dictionary source;
    fillMixed(source, int(state.range(0)));
    const QByteArray text = source.toText();
    Dictionary dict;
    for (auto _ : state)
        dict.fromText(text);
    state.SetBytesProcessed(state.iterations() * text.size());
    state.counters["entries"] = dict.count();
}
BENCHMARK(BM_FromText)->Arg(10'000)->Unit(benchmark::kMillisecond);

// Keys of letters, digits and hanzi of both levels, in random order.
QList<QByteArray> randomKeys(int count)
{
    static const QList<QByteArray> pieces = {"a",  "Z",  "7",  "中", "文", "啊",
                                             "亍", "齄", "歌", "42", "x",  "长"};
    QRandomGenerator random(42);
    QList<QByteArray> keys;
    for (int i = 0; i < count; ++i) {
        QByteArray key;
        for (int n = int(random.bounded(1, 5)); n > 0; --n)
            key += pieces.at(random.bounded(int(pieces.size())));
        keys.append(key + QByteArray::number(i)); // unique
    }
    return keys;
}

QList<double> sortNumbersOf(const QList<QByteArray> &keys)
{
    QList<double> numbers;
    for (const QByteArray &key : keys)
        numbers.append(keySortNumber(key));
    return numbers;
}

void BM_SortByKey(benchmark::State &state)
{
    registerComponents();
    const QList<QByteArray> keys = randomKeys(int(state.range(0)));
    Dictionary dict;
    for (auto _ : state) {
        state.PauseTiming();
        dict.createDict();
        for (const QByteArray &key : keys)
            dict.set(key, 1);
        state.ResumeTiming();
        dict.sortByKey();
    }
    state.SetItemsProcessed(state.iterations() * keys.size());
}
BENCHMARK(BM_SortByKey)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);

// The ordering step alone, on the keys' sort numbers.
void BM_NeighbourExchangeOrder(benchmark::State &state)
{
    const QList<double> numbers = sortNumbersOf(randomKeys(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(neighbourExchangeOrder(numbers));
    state.SetItemsProcessed(state.iterations() * numbers.size());
}
BENCHMARK(BM_NeighbourExchangeOrder)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);

// The baseline: std::stable_sort of the same sort numbers.
void BM_StableSortBaseline(benchmark::State &state)
{
    const QList<double> numbers = sortNumbersOf(randomKeys(int(state.range(0))));
    for (auto _ : state) {
        QList<qsizetype> order(numbers.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [&](qsizetype a, qsizetype b) { return numbers[a] < numbers[b]; });
        benchmark::DoNotOptimize(order);
    }
    state.SetItemsProcessed(state.iterations() * numbers.size());
}
BENCHMARK(BM_StableSortBaseline)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);

} // namespace
