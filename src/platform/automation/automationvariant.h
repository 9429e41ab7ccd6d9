#pragma once

#include "platform/toolkit/textnumber.h"

#include <QByteArray>
#include <QDateTime>
#include <QMetaType>
#include <QVariant>

class AutomationObject;

// The error value a member may give in place of a result; `code` is the member's own error number.
struct AutomationError {
    int code = 0;
};
Q_DECLARE_METATYPE(AutomationError)

// One automation value. Text crosses this interface as UTF-8 bytes; inside, a text is a QString so that
// Qt's conversions and the script engine see an ordinary string. A QByteArray inside is a byte array
// (an array of numbers), as a request's raw body is.
class AutomationVariant {
public:
    // The kind codes callers rely on.
    enum Kind {
        Empty = 0,
        Number = 1,
        Text = 2,
        Bool = 3,
        Date = 4,
        Object = 5,
        Error = 6,
        NumberArray = 7,
        TextArray = 8,
        BoolArray = 9,
        DateArray = 10,
        ObjectArray = 11,
        ErrorArray = 12,
        VariantArray = 13,
        Other = -1,
    };
    // What a QByteArray given to assign() stands for.
    enum class Bytes { AsText, AsByteArray };

    AutomationVariant() = default;
    AutomationVariant(const char *text);
    AutomationVariant(const QByteArray &text);
    AutomationVariant(int number);
    AutomationVariant(qint64 number);
    AutomationVariant(double number);
    AutomationVariant(bool value);
    AutomationVariant(const QDateTime &date);
    AutomationVariant(const AutomationObject &object);

    // Wraps a value as a component gave it; no conversion.
    static AutomationVariant fromQVariant(const QVariant &value);
    const QVariant &toQVariant() const { return m_value; }

    int kind() const;
    bool isEmpty() const;
    void clear();

    // Each reads the value, or with element >= 1 that element of an array value, in the named kind.
    // A value that does not convert, or an element out of range, gives the zero value.
    QByteArray asText(int element = 0) const;
    double asNumber(int element = 0) const;
    bool asBool(int element = 0) const;
    QDateTime asDate(int element = 0) const;
    AutomationObject asObject(int element = 0) const;
    AutomationVariant asVariant(int element = 0) const;
    // The bytes of a byte array value; empty for anything else.
    QByteArray asBytes() const;
    // The element count of an array value, -1 for anything else.
    int arrayCount() const;

    void assign(const QByteArray &data, Bytes as = Bytes::AsText);
    void assign(const char *text);
    void assign(qint64 number);
    void assign(int number);
    void assign(bool value);
    void assign(const QDateTime &date);
    void assign(const AutomationObject &object);

private:
    QVariant m_value;
};
