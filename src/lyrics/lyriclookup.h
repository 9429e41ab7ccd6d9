#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The line of a raw lyrics answer for one "mm:ss" key. The answer is searched as received: LRC lines
// inside a JSON string, separated by the escaped "\r\n" (backslash, r, backslash, n). The answer is cut
// into pieces at every "["; the last piece holding the key decides, also when its line is "": its text
// after the key's last occurrence, then after the last "]", up to the first escaped "\r\n". A line
// without an escaped "\r\n" after it gives "".
QByteArray findLyricLine(QByteArrayView answer, QByteArrayView key);

// The text after the last occurrence of `marker`, or "" when it does not occur. A view into `text`.
QByteArrayView textAfterLast(QByteArrayView text, QByteArrayView marker);

// The text before the first occurrence of `marker`, or "" (not the whole text) when it does not occur.
// A view into `text`.
QByteArrayView textBefore(QByteArrayView text, QByteArrayView marker);
