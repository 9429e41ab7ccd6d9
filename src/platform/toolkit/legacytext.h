#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The bytes of GB18030 text (a superset of GBK, the code page files of the original Windows program were
// written in) as UTF-8, by glibc's iconv: it gives the standard characters for the few codes (vertical
// punctuation among them) that ICU still maps to the private use area. Each byte that starts no valid
// sequence becomes U+FFFD; empty when the conversion itself fails.
QByteArray gb18030ToUtf8(QByteArrayView bytes);

// UTF-8 text as GB18030 bytes, for computations that depend on the code-page bytes. Invalid sequences
// become U+FFFD; empty when the conversion itself fails.
QByteArray utf8ToGb18030(QByteArrayView utf8);
