#include "platform/components/httprequest/bodytext.h"


#include "platform/toolkit/charsetconversion.h"
#include "platform/toolkit/legacytext.h"

#include <QList>

#include <algorithm>
#include <iterator>

namespace {

// "text/html; Charset=\"GBK\"" gives "gbk".
QByteArray charsetOf(QByteArrayView contentType)
{
    const QList<QByteArray> parameters = contentType.toByteArray().split(';');
    for (const QByteArray &parameter : parameters) {
        const QByteArray trimmed = parameter.trimmed();
        const qsizetype equals = trimmed.indexOf('=');
        if (equals < 0 || trimmed.first(equals).trimmed().toLower() != "charset")
            continue;
        QByteArray value = trimmed.sliced(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.sliced(1, value.size() - 2);
        return value.trimmed().toLower();
    }
    return {};
}

// The labels that browsers read as GBK, plus GB18030 itself.
bool isGbFamily(const QByteArray &charset)
{
    static const QByteArray labels[] = {"gbk",       "gb2312",          "gb_2312",  "gb_2312-80",
                                        "x-gbk",     "gb18030",         "csgb2312", "chinese",
                                        "iso-ir-58", "csiso58gb231280", "cp936",    "windows-936"};
    return std::find(std::begin(labels), std::end(labels), charset) != std::end(labels);
}

} // namespace

QString bodyText(const QByteArray &body, QByteArrayView contentType)
{
    const QByteArray charset = charsetOf(contentType);
    if (isGbFamily(charset))
        return QString::fromUtf8(gb18030ToUtf8(body));
    if (charset == "utf-8" || charset == "utf8")
        return QString::fromUtf8(body);
    if (!charset.isEmpty()) {
        if (const auto converted = convertCharset(body, charset.constData(), "UTF-8", kUtf8ReplacementCharacter))
            return QString::fromUtf8(*converted);
    }
    // No charset, or one nobody knows: text that is not UTF-8 is taken for GB text, as the INI files are.
    return QString::fromUtf8(body.isValidUtf8() ? body : gb18030ToUtf8(body));
}
