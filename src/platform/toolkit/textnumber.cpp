#include "platform/toolkit/textnumber.h"

#include <QByteArray>

#include <clocale>
#include <cstdlib>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

double leadingNumber(QByteArrayView text)
{
    while (text.startsWith(' ') || text.startsWith('\t'))
        text = text.sliced(1);
    const bool negative = text.startsWith('-');
    if (negative || text.startsWith('+'))
        text = text.sliced(1);
    // strtod also reads "inf", "nan", more blanks and hexadecimal, none of which is a decimal number here.
    const bool startsNumber =
        !text.isEmpty() && (isDigit(text[0]) || (text.size() > 1 && text[0] == '.' && isDigit(text[1])));
    if (!startsNumber || text.startsWith("0x") || text.startsWith("0X"))
        return 0;
    // A decimal point whatever the program's locale; beyond the range of a double the result is infinite.
    static const locale_t cNumbers = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
    const double number = strtod_l(text.toByteArray().constData(), nullptr, cNumbers);
    return negative ? -number : number;
}
