#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The text of an answer body, decoded by the charset its Content-Type names: GBK, GB2312 and GB18030
// (and their other labels) as GB18030, which contains the other two; anything else, or no charset, as
// UTF-8. Invalid sequences become U+FFFD.
QString bodyText(const QByteArray &body, QByteArrayView contentType);
