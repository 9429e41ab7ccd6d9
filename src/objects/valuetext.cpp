#include "objects/valuetext.h"

#include "objects/numberformat.h"

#include <QDateTime>

namespace {

QByteArray dateText(const QDateTime &date)
{
    if (!date.isValid())
        return {};
    const QDate day = date.date();
    const QTime time = date.time();
    QByteArray text = QByteArray::number(day.year()) + "年" + QByteArray::number(day.month()) + "月" +
                      QByteArray::number(day.day()) + "日";
    if (time.second() != 0 || time.minute() != 0 || time.hour() != 0)
        text += QByteArray::number(time.hour()) + "时";
    if (time.second() != 0 || time.minute() != 0)
        text += QByteArray::number(time.minute()) + "分";
    if (time.second() != 0)
        text += QByteArray::number(time.second()) + "秒";
    return text;
}

} // namespace

QByteArray valueText(const AutomationVariant &value)
{
    switch (value.kind()) {
    case AutomationVariant::Number:
        return numberText(value.asNumber());
    case AutomationVariant::Text:
        return value.asText();
    case AutomationVariant::Bool:
        return truthText(value.asBool());
    case AutomationVariant::Date:
        return dateText(value.asDate());
    case AutomationVariant::NumberArray:
        return byteListText(value.asBytes());
    default:
        return {};
    }
}

QByteArray byteListText(QByteArrayView bytes)
{
    QByteArray text = "{";
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            text += ',';
        text += QByteArray::number(uchar(bytes[i]));
    }
    return text + "}";
}

QByteArray truthText(bool value)
{
    return value ? "真" : "假";
}
