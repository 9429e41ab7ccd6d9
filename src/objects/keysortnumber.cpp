#include "objects/keysortnumber.h"

#include "objects/pinyininitials.h"
#include "objects/numberformat.h"
#include "platform/toolkit/textnumber.h"
#include "platform/toolkit/legacytext.h"

namespace {

// What a byte without pinyin adds: nothing.
constexpr int kNoPinyin = 100;
// What a non-digit byte of a numeric key counts as.
constexpr int kNumericOther = 11;

// A byte's code: signed, as the original 8-bit text had it, after upper-casing ASCII letters.
int codeAt(const QByteArray &bytes, qsizetype at)
{
    char byte = bytes.at(at);
    if (byte >= 'a' && byte <= 'z')
        byte = char(byte - 'a' + 'A');
    return static_cast<signed char>(byte);
}

bool isDigitCode(int code)
{
    return code >= '0' && code <= '9';
}

bool isUpperCode(int code)
{
    return code >= 'A' && code <= 'Z';
}

QByteArray numericKeyDigits(const QByteArray &bytes)
{
    QByteArray digits;
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        const int code = isDigitCode(codeAt(bytes, at)) ? codeAt(bytes, at) : kNumericOther;
        digits += at == 0 ? QByteArray::number(code) + '.' : '0' + QByteArray::number(code);
    }
    return digits;
}

int otherKeyCode(const QByteArray &bytes, qsizetype at)
{
    const int code = codeAt(bytes, at);
    if (isDigitCode(code) || isUpperCode(code))
        return code;
    const char initial =
        at + 1 < bytes.size() ? pinyinInitial(uchar(bytes.at(at)), uchar(bytes.at(at + 1))) : 0;
    return initial ? kNoPinyin + initial : kNoPinyin;
}

QByteArray otherKeyDigits(const QByteArray &bytes)
{
    QByteArray digits;
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        const int code = otherKeyCode(bytes, at);
        if (code == kNoPinyin)
            continue;
        // Only the very first position starts the number; when it had nothing to add there is no point.
        digits += at == 0 ? QByteArray::number(code) + '.' : QByteArray::number(code).rightJustified(3, '0');
    }
    return digits;
}

} // namespace

double keySortNumber(const QByteArray &key)
{
    const bool numeric = numberText(leadingNumber(key)) == key;
    const QByteArray bytes = utf8ToGb18030(key);
    return leadingNumber(numeric ? numericKeyDigits(bytes) : otherKeyDigits(bytes));
}
