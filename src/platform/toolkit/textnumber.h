#pragma once

#include <QByteArrayView>

// Text read as a number, the one rule for the whole program: leading spaces or tabs are skipped, then a
// decimal number (an optional sign, digits, an optional fraction) is read and truncated toward zero; the
// rest of the text is ignored ("12abc" and "12.9" read 12). Text without a leading number, and a number
// that does not fit an int, read 0. Exponents, "inf" and "nan" are not numbers here ("1e10" reads 1).
int leadingInteger(QByteArrayView text);
