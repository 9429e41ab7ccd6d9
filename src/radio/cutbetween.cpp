#include "radio/cutbetween.h"

namespace {

bool isContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

bool matchesAt(QByteArrayView text, qsizetype at, QByteArrayView marker, bool ignoreCase)
{
    const QByteArrayView candidate = text.sliced(at, marker.size());
    return ignoreCase ? candidate.compare(marker, Qt::CaseInsensitive) == 0 : candidate == marker;
}

// First index at or after `from` where `marker` starts on a character boundary, or -1.
qsizetype find(QByteArrayView text, QByteArrayView marker, qsizetype from, bool ignoreCase)
{
    for (qsizetype at = from; at >= 0 && at + marker.size() <= text.size(); ++at) {
        if (!isContinuationByte(text[at]) && matchesAt(text, at, marker, ignoreCase))
            return at;
    }
    return -1;
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
