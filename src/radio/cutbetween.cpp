#include "radio/cutbetween.h"

namespace {

bool isContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

qsizetype findCaseSensitive(QByteArrayView text, QByteArrayView marker, qsizetype from)
{
    for (qsizetype at = text.indexOf(marker, from); at >= 0; at = text.indexOf(marker, at + 1)) {
        if (!isContinuationByte(text[at]))
            return at;
    }
    return -1;
}

qsizetype findIgnoringCase(QByteArrayView text, QByteArrayView marker, qsizetype from)
{
    for (qsizetype at = from; at + marker.size() <= text.size(); ++at) {
        if (!isContinuationByte(text[at]) && text.sliced(at, marker.size()).compare(marker, Qt::CaseInsensitive) == 0)
            return at;
    }
    return -1;
}

// First index at or after `from` where `marker` starts on a character boundary, or -1.
qsizetype find(QByteArrayView text, QByteArrayView marker, qsizetype from, bool ignoreCase)
{
    if (from > text.size())
        return -1;
    return ignoreCase ? findIgnoringCase(text, marker, from) : findCaseSensitive(text, marker, from);
}

} // namespace

QByteArray cutBetween(QByteArrayView text, QByteArray left, QByteArray right, qsizetype start, bool ignoreCase)
{
    left.replace("#引号", "\"");
    right.replace("#引号", "\"");
    const qsizetype found = find(text, left, start > 1 ? start - 1 : 0, ignoreCase);
    if (found < 0)
        return {};
    const qsizetype valueStart = found + left.size();
    const qsizetype end = find(text, right, valueStart, ignoreCase);
    if (end < 0)
        return {};
    return text.sliced(valueStart, end - valueStart).toByteArray();
}
