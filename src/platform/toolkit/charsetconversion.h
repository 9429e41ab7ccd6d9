#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// Text in one charset as another, by glibc's iconv (any label it knows: "GB18030", "latin1", "big5",
// "shift_jis", …). A byte that starts no character of `from`, or a character cut short at the end, becomes
// `replacement` (which must be in `to`) and the conversion goes on. Nothing when iconv knows either charset
// not or fails otherwise.
std::optional<QByteArray> convertCharset(QByteArrayView text, const char *from, const char *to,
                                         QByteArrayView replacement);

// U+FFFD in UTF-8, the replacement for conversions to UTF-8.
inline constexpr QByteArrayView kUtf8ReplacementCharacter("\xEF\xBF\xBD");
