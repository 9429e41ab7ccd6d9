#pragma once

#include <QByteArrayView>

// Text read as a number, the one rule for the whole program: leading spaces or tabs are skipped, then a
// decimal number is read (an optional sign, digits, an optional fraction and exponent); the rest of the
// text is ignored. Text without a leading number reads 0; a number beyond a double's range is infinite.
// "inf", "nan" and hexadecimal are not numbers here.
double leadingNumber(QByteArrayView text);

// A number as an integer, truncated toward zero; 0 when it does not fit an int (or is NaN).
constexpr int truncatedToInt(double number)
{
    if (!(number > -2147483649.0 && number < 2147483648.0))
        return 0;
    return static_cast<int>(number);
}

// leadingNumber() truncated toward zero: "12abc" and "12.9" read 12, a number that does not fit an int 0.
inline int leadingInteger(QByteArrayView text)
{
    return truncatedToInt(leadingNumber(text));
}
