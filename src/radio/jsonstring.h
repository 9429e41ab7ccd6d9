#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Decodes the escapes of JSON string content (\" \\ \/ \b \f \n \r \t \uXXXX with surrogate pairs) to
// UTF-8. Content that is not well-formed JSON string content (an unescaped quote, a control character, a
// broken escape or lone surrogate) is given back unchanged: a value cut across several keys stays as cut.
QByteArray decodeJsonString(QByteArrayView content);
