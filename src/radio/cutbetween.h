#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The text between the first `left` marker at or after byte position `start` (counted from 1; 0 and 1 both
// mean the beginning) and the next `right` marker after it; empty when either marker is missing. In both
// markers the text "#引号" stands for a double quote. A marker never matches from the middle of a
// multi-byte character. With `ignoreCase`, ASCII letters compare without regard to case.
QByteArray cutBetween(QByteArrayView text, QByteArray left, QByteArray right, qsizetype start = 0,
                      bool ignoreCase = false);
