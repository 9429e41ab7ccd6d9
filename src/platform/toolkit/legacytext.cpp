#include "platform/toolkit/legacytext.h"

#include "platform/toolkit/charsetconversion.h"

#include <QString>

namespace {

// U+FFFD in GB18030, which covers every character.
constexpr QByteArrayView kGb18030ReplacementCharacter("\x84\x31\xA4\x37");

} // namespace

QByteArray gb18030ToUtf8(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    return convertCharset(bytes, "GB18030", "UTF-8", kUtf8ReplacementCharacter).value_or(QByteArray());
}

QByteArray utf8ToGb18030(QByteArrayView utf8)
{
    if (utf8.isEmpty())
        return {};
    return convertCharset(utf8, "UTF-8", "GB18030", kGb18030ReplacementCharacter).value_or(QByteArray());
}
