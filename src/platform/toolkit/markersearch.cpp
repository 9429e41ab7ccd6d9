#include "platform/toolkit/markersearch.h"

#include <QByteArray>

namespace {

bool isCharacterStart(QByteArrayView text, qsizetype index)
{
    return index == text.size() || (static_cast<uchar>(text[index]) & 0xC0) != 0x80;
}

qsizetype findExactly(QByteArrayView text, QByteArrayView marker, qsizetype from)
{
    for (qsizetype at = text.indexOf(marker, from); at >= 0; at = text.indexOf(marker, at + 1)) {
        if (isCharacterStart(text, at))
            return at;
    }
    return -1;
}

} // namespace

qsizetype findMarker(QByteArrayView text, QByteArrayView marker, qsizetype from, bool ignoreCase)
{
    if (from < 0 || from > text.size())
        return -1;
    if (!ignoreCase)
        return findExactly(text, marker, from);
    // QByteArray::toLower folds ASCII letters only, so every position stays where it was.
    return findExactly(text.toByteArray().toLower(), marker.toByteArray().toLower(), from);
}
