#include "lyrics/lyriclookup.h"

namespace {

constexpr char tagOpen = '[';
constexpr QByteArrayView tagClose = "]";
constexpr QByteArrayView lineEnd = "\\r\\n";

} // namespace

QByteArray findLyricLine(QByteArrayView answer, QByteArrayView key)
{
    // Of all the pieces between two "[" that hold the key, only the last one decides: the piece of the
    // key's last occurrence. Finding it with one backward search gives the same line as scanning every
    // piece, at a fraction of the cost. A key holding "[" (or an empty one) matches no piece's line.
    const qsizetype hit = answer.lastIndexOf(key);
    if (hit < 0 || key.isEmpty() || key.contains(tagOpen))
        return {};
    const qsizetype tailStart = hit + key.size();
    const qsizetype nextTag = answer.indexOf(tagOpen, tailStart);
    const QByteArrayView tail = answer.sliced(tailStart, (nextTag < 0 ? answer.size() : nextTag) - tailStart);
    return textBefore(textAfterLast(tail, tagClose), lineEnd).toByteArray();
}

QByteArrayView textAfterLast(QByteArrayView text, QByteArrayView marker)
{
    const qsizetype at = text.lastIndexOf(marker);
    return at < 0 ? QByteArrayView() : text.sliced(at + marker.size());
}

QByteArrayView textBefore(QByteArrayView text, QByteArrayView marker)
{
    const qsizetype at = text.indexOf(marker);
    return at < 0 ? QByteArrayView() : text.first(at);
}
