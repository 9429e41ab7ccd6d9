#pragma once

#include "platform/automation/automationvariant.h"

#include <QByteArray>
#include <QByteArrayView>

// A dictionary value as text, by its kind: a number as "%.13g" writes it, a text as it is, a bool as
// "真" or "假", a date as "2020年1月1日" followed by its time down to the last part that is not 0
// ("8时", "8时30分", "8时0分5秒"), a byte array as "{1,2,255}"; every other kind (objects, empty and
// error values, other arrays) as empty text.
QByteArray valueText(const AutomationVariant &value);

// Bytes as "{" + each in unsigned decimal, separated by "," + "}"; "{}" for none.
QByteArray byteListText(QByteArrayView bytes);

// A bool as the program writes it in text: "真" or "假".
QByteArray truthText(bool value);
