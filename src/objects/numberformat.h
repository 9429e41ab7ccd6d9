#pragma once

#include <QByteArray>
#include <QtGlobal>

// A number as "%.13g" writes it, whatever the C locale says.
QByteArray numberText(double number);

// The low 32 bits of a number truncated toward zero, as a signed integer; 0 for infinities and NaN.
qint32 low32BitsOf(double number);
