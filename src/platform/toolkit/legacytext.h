#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The bytes of GB18030 text (a superset of GBK, the code page files of the original Windows program were
// written in) as UTF-8. Invalid sequences become U+FFFD; empty when the conversion itself fails.
QByteArray gb18030ToUtf8(QByteArrayView bytes);
