#include "radio/cutbetween.h"

#include "platform/toolkit/markersearch.h"

QByteArray cutBetween(QByteArrayView text, QByteArray left, QByteArray right, qsizetype start, bool ignoreCase)
{
    left.replace("#引号", "\"");
    right.replace("#引号", "\"");
    const qsizetype found = findMarker(text, left, start > 1 ? start - 1 : 0, ignoreCase);
    if (found < 0)
        return {};
    const qsizetype valueStart = found + left.size();
    const qsizetype end = findMarker(text, right, valueStart, ignoreCase);
    if (end < 0)
        return {};
    return text.sliced(valueStart, end - valueStart).toByteArray();
}
