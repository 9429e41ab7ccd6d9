#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The text of an answer body, decoded by the charset its Content-Type names: GBK, GB2312 and GB18030
// (and their other labels) as GB18030, which contains the other two; any other charset iconv knows by its
// own tables. Without a charset, or with one iconv does not know, a body that is valid UTF-8 is read as
// UTF-8 and any other as GB18030. Invalid sequences become U+FFFD.
QString bodyText(const QByteArray &body, QByteArrayView contentType);
