#include "objects/pinyininitials.h"

#include "objects/gb2312level2initials.h"

#include <algorithm>
#include <iterator>

namespace {

// GB2312's level 1 (0xB0A1 to 0xD7F9) is ordered by pinyin, so each letter's hanzi start at one code.
// Where a polyphone has several readings, these give the one GB2312 orders by (长 under C, not Z).
struct LetterStart {
    unsigned code;
    char letter;
};
constexpr LetterStart kLevel1Starts[] = {
    {0xB0A1, 'A'}, {0xB0C5, 'B'}, {0xB2C1, 'C'}, {0xB4EE, 'D'}, {0xB6EA, 'E'}, {0xB7A2, 'F'},
    {0xB8C1, 'G'}, {0xB9FE, 'H'}, {0xBBF7, 'J'}, {0xBFA6, 'K'}, {0xC0AC, 'L'}, {0xC2E8, 'M'},
    {0xC4C3, 'N'}, {0xC5B6, 'O'}, {0xC5BE, 'P'}, {0xC6DA, 'Q'}, {0xC8BB, 'R'}, {0xC8F6, 'S'},
    {0xCBFA, 'T'}, {0xCDDA, 'W'}, {0xCEF4, 'X'}, {0xD1B9, 'Y'}, {0xD4D1, 'Z'},
};
constexpr unsigned kLevel1Last = 0xD7F9;
constexpr unsigned char kLevel2FirstLead = 0xD8;
constexpr unsigned char kLastLead = 0xF7;
constexpr unsigned char kFirstTrail = 0xA1;
constexpr unsigned char kLastTrail = 0xFE;
constexpr int kTrailsPerLead = kLastTrail - kFirstTrail + 1;

char level1Initial(unsigned code)
{
    if (code > kLevel1Last)
        return 0;
    const auto after = std::upper_bound(std::begin(kLevel1Starts), std::end(kLevel1Starts), code,
                                        [](unsigned c, const LetterStart &start) { return c < start.code; });
    return std::prev(after)->letter;
}

} // namespace

char pinyinInitial(unsigned char lead, unsigned char trail)
{
    if (lead < kLevel1Starts[0].code >> 8 || lead > kLastLead || trail < kFirstTrail || trail > kLastTrail)
        return 0;
    if (lead < kLevel2FirstLead)
        return level1Initial(unsigned(lead) << 8 | trail);
    return kGb2312Level2Initials[(lead - kLevel2FirstLead) * kTrailsPerLead + (trail - kFirstTrail)];
}
