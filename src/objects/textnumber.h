#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The program's common conversion of text to a number: the decimal number the text starts with (a sign,
// digits, a fraction, an exponent), 0 when it starts with none, infinite beyond the range of a double.
double leadingNumber(QByteArrayView text);

// A number as "%.13g" writes it, whatever the C locale says.
QByteArray numberText(double number);

// The low 32 bits of a number truncated toward zero, as a signed integer; 0 for infinities and NaN.
qint32 low32BitsOf(double number);
