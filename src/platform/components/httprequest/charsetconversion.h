#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// The text in the named charset (any label iconv knows: "latin1", "big5", "shift_jis", ...) as UTF-8.
// A byte that does not belong to a character becomes U+FFFD and the conversion goes on. Nothing when iconv
// does not know the charset.
std::optional<QByteArray> charsetToUtf8(QByteArrayView text, const QByteArray &charset);
