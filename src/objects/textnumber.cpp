#include "objects/textnumber.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

double leadingNumber(QByteArrayView text)
{
    const bool negative = text.startsWith('-');
    if (negative || text.startsWith('+'))
        text = text.sliced(1);
    // strtod also reads "inf", "nan", leading spaces and hexadecimal, none of which is a decimal number.
    const bool startsNumber =
        !text.isEmpty() && (isDigit(text[0]) || (text.size() > 1 && text[0] == '.' && isDigit(text[1])));
    if (!startsNumber || text.startsWith("0x") || text.startsWith("0X"))
        return 0;
    // A decimal point whatever the program's locale; beyond the range of a double the result is infinite.
    static const locale_t cNumbers = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
    const double number = strtod_l(text.toByteArray().constData(), nullptr, cNumbers);
    return negative ? -number : number;
}

QByteArray numberText(double number)
{
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, number, std::chars_format::general, 13);
    return error == std::errc() ? QByteArray(text, end - text) : QByteArray();
}

qint32 low32BitsOf(double number)
{
    if (!std::isfinite(number))
        return 0;
    // fmod is exact, so even numbers far beyond 64 bits keep their true low bits.
    double low = std::fmod(std::trunc(number), 4294967296.0);
    if (low < 0)
        low += 4294967296.0;
    return static_cast<qint32>(static_cast<std::uint32_t>(low));
}
