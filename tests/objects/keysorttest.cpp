#include "objects/dictionary.h"
#include "objects/exchangeorder.h"
#include "objects/keysortnumber.h"
#include "objects/pinyininitials.h"

#include "objectstestsupport.h"

#include <QRandomGenerator>

#include <numeric>

namespace {

using KeySortTest = ObjectsTest;

TEST(PinyinInitial, CoversBothLevelsAndNothingElse)
{
    const struct {
        unsigned code;
        char initial;
    } cases[] = {
        {0xB0A1, 'A'},                               // 啊, the first hanzi
        {0xB0C4, 'A'}, {0xB0C5, 'B'}, {0xB3A4, 'C'}, // 长: GB2312 orders it by chang
        {0xD4D1, 'Z'}, {0xD7F9, 'Z'},                // the last of level 1
        {0xD8A1, 'C'},                               // 亍 chu, the first of level 2
        {0xF7FE, 'Z'},                               // 齄 zha, the last
        {0xD7FA, 0},                                 // empty codes after level 1
        {0xAFA1, 0},   {0xF8A1, 0},   {0xB0A0, 0},   {0xB0FF, 0}, {0x4141, 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(pinyinInitial(uchar(c.code >> 8), uchar(c.code)), c.initial) << std::hex << c.code;

    // Every code of both levels has a letter.
    for (unsigned lead = 0xB0; lead <= 0xF7; ++lead) {
        for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
            if (lead == 0xD7 && trail > 0xF9)
                continue;
            const char initial = pinyinInitial(uchar(lead), uchar(trail));
            ASSERT_TRUE(initial >= 'A' && initial <= 'Z') << std::hex << lead << trail;
        }
    }
}

TEST(KeySortNumber, WorksOnTheKeysBytes)
{
    const struct {
        QByteArray key;
        double number;
    } cases[] = {
        {"10", 49.048},      {"9", 57}, {"-5", 11.053}, // numeric: a non-digit counts 11
        {"1.50", 49.053048}, // not what "%.13g" writes, so not numeric: "." adds nothing
        {"A", 65},           {"b", 66}, {"a1", 65.049}, {"a1 ", 65.049}, // a trailing space adds nothing
        {" A", 65},  // nothing at the first position: no point, the rest follows
        {"长", 167}, // C + 100
        {"A长", 65.167},     {"", 0},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(keySortNumber(c.key), c.number) << c.key.constData();
}

// Plain neighbour exchange, n - 1 full passes.
QList<qsizetype> referenceOrder(const QList<double> &numbers)
{
    QList<qsizetype> order(numbers.size());
    std::iota(order.begin(), order.end(), 0);
    for (qsizetype pass = 1; pass < order.size(); ++pass) {
        for (qsizetype k = 0; k < order.size() - pass; ++k) {
            if (numbers[order[k]] - numbers[order[k + 1]] > 1e-7)
                std::swap(order[k], order[k + 1]);
        }
    }
    return order;
}

TEST(NeighbourExchangeOrder, MatchesPlainExchangesOnRandomNumbers)
{
    QRandomGenerator random(1234);
    for (int trial = 0; trial < 3000; ++trial) {
        // Few distinct bases and steps around the tolerance make equal, near-equal and chained numbers.
        const int count = int(random.bounded(0, 40));
        const double step = (trial % 3 == 0 ? 0.4 : trial % 3 == 1 ? 1.0 : 3.0) * 1e-7;
        QList<double> numbers;
        for (int i = 0; i < count; ++i)
            numbers.append(double(random.bounded(0, 4)) * 50 + double(random.bounded(0, 4)) * step);
        ASSERT_EQ(neighbourExchangeOrder(numbers), referenceOrder(numbers)) << "trial " << trial;
    }
}

QList<QByteArray> sortedKeys(const QList<QByteArray> &keys)
{
    Dictionary dict;
    for (const QByteArray &key : keys)
        dict.set(key, key + "=");
    EXPECT_TRUE(dict.sortByKey());
    QList<QByteArray> sorted;
    for (int i = 1; i <= dict.count(); ++i) {
        sorted.append(dict.keyAt(i));
        EXPECT_EQ(dict.itemTextAt(i), sorted.constLast() + "=") << "values move with their keys";
    }
    return sorted;
}

TEST_F(KeySortTest, SortByKeyOrdersNumbersLettersThenHanzi)
{
    const struct {
        QList<QByteArray> keys;
        QList<QByteArray> sorted;
    } cases[] = {
        {{"10", "9", "2"}, {"10", "2", "9"}},
        {{"b", "A"}, {"A", "b"}},
        {{"中", "z", "啊", "1"}, {"1", "z", "啊", "中"}},
        {{"a1 ", "a1"}, {"a1 ", "a1"}},
        {{"a1", "a1 "}, {"a1", "a1 "}},
        {{}, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(sortedKeys(c.keys), c.sorted);
}

} // namespace
