#include "platform/automation/automationvariant.h"

#include "platform/automation/automationobject.h"
#include "platform/automation/variantconversion.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <type_traits>

namespace {

// An array type a value may hold: its kind and the way to its elements.
struct ArrayType {
    QMetaType type;
    int kind;
    qsizetype (*count)(const QVariant &array);
    QVariant (*element)(const QVariant &array, qsizetype index);
};

template <typename List> const List &listIn(const QVariant &array)
{
    return *static_cast<const List *>(array.constData());
}

template <typename List> ArrayType arrayType(int kind)
{
    return {QMetaType::fromType<List>(), kind,
            [](const QVariant &array) { return listIn<List>(array).size(); },
            [](const QVariant &array, qsizetype index) {
                // A byte array is an array of numbers from 0 to 255.
                if constexpr (std::is_same_v<List, QByteArray>)
                    return QVariant(int(uchar(listIn<List>(array).at(index))));
                else
                    return QVariant::fromValue(listIn<List>(array).at(index));
            }};
}

const ArrayType *arrayTypeOf(QMetaType type)
{
    static const ArrayType types[] = {
        arrayType<QByteArray>(AutomationVariant::NumberArray),
        arrayType<QList<double>>(AutomationVariant::NumberArray),
        arrayType<QList<int>>(AutomationVariant::NumberArray),
        arrayType<QStringList>(AutomationVariant::TextArray),
        arrayType<QList<bool>>(AutomationVariant::BoolArray),
        arrayType<QList<QDateTime>>(AutomationVariant::DateArray),
        arrayType<QList<QDate>>(AutomationVariant::DateArray),
        arrayType<QObjectList>(AutomationVariant::ObjectArray),
        arrayType<QList<AutomationObject>>(AutomationVariant::ObjectArray),
        arrayType<QList<AutomationError>>(AutomationVariant::ErrorArray),
        arrayType<QVariantList>(AutomationVariant::VariantArray),
    };
    for (const ArrayType &array : types) {
        if (array.type == type)
            return &array;
    }
    return nullptr;
}

int scalarKindOf(QMetaType type)
{
    switch (type.id()) {
    case QMetaType::UnknownType:
    case QMetaType::Nullptr:
        return AutomationVariant::Empty;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Float:
    case QMetaType::Double:
        return AutomationVariant::Number;
    case QMetaType::QString:
        return AutomationVariant::Text;
    case QMetaType::Bool:
        return AutomationVariant::Bool;
    case QMetaType::QDateTime:
    case QMetaType::QDate:
        return AutomationVariant::Date;
    default:
        break;
    }
    if (type == QMetaType::fromType<AutomationObject>() || (type.flags() & QMetaType::PointerToQObject))
        return AutomationVariant::Object;
    if (type == QMetaType::fromType<AutomationError>())
        return AutomationVariant::Error;
    return AutomationVariant::Other;
}

// Element `element` (from 1) of an array value; empty when out of range or not an array.
QVariant elementOf(const QVariant &value, int element)
{
    const ArrayType *array = arrayTypeOf(value.metaType());
    if (!array || element < 1 || element > array->count(value))
        return {};
    return array->element(value, element - 1);
}

QVariant pick(const QVariant &value, int element)
{
    return element == 0 ? value : elementOf(value, element);
}

// What a read in a scalar kind sees: the value or one element. A whole array reads as nothing, as it does
// not convert to one number or text.
QVariant scalarAt(const QVariant &value, int element)
{
    QVariant picked = pick(value, element);
    return arrayTypeOf(picked.metaType()) ? QVariant() : picked;
}

template <typename T> T scalarAs(const QVariant &value, int element)
{
    const auto converted = VariantConversion::convertTo(scalarAt(value, element), QMetaType::fromType<T>());
    return converted ? qvariant_cast<T>(*converted) : T();
}

} // namespace

AutomationVariant::AutomationVariant(const char *text)
    : m_value(QString::fromUtf8(text))
{
}

AutomationVariant::AutomationVariant(const QByteArray &text)
    : m_value(QString::fromUtf8(text))
{
}

AutomationVariant::AutomationVariant(int number)
    : m_value(number)
{
}

AutomationVariant::AutomationVariant(qint64 number)
    : m_value(number)
{
}

AutomationVariant::AutomationVariant(double number)
    : m_value(number)
{
}

AutomationVariant::AutomationVariant(bool value)
    : m_value(value)
{
}

AutomationVariant::AutomationVariant(const QDateTime &date)
    : m_value(date)
{
}

AutomationVariant::AutomationVariant(const AutomationObject &object)
    : m_value(QVariant::fromValue(object))
{
}

AutomationVariant AutomationVariant::fromQVariant(const QVariant &value)
{
    AutomationVariant variant;
    variant.m_value = value;
    return variant;
}

int AutomationVariant::kind() const
{
    const ArrayType *array = arrayTypeOf(m_value.metaType());
    return array ? array->kind : scalarKindOf(m_value.metaType());
}

bool AutomationVariant::isEmpty() const
{
    return kind() == Empty;
}

void AutomationVariant::clear()
{
    m_value.clear();
}

QByteArray AutomationVariant::asText(int element) const
{
    return scalarAs<QString>(m_value, element).toUtf8();
}

double AutomationVariant::asNumber(int element) const
{
    return scalarAs<double>(m_value, element);
}

bool AutomationVariant::asBool(int element) const
{
    return scalarAs<bool>(m_value, element);
}

QDateTime AutomationVariant::asDate(int element) const
{
    return scalarAs<QDateTime>(m_value, element);
}

AutomationObject AutomationVariant::asObject(int element) const
{
    const QVariant picked = pick(m_value, element);
    if (picked.metaType() == QMetaType::fromType<AutomationObject>())
        return picked.value<AutomationObject>();
    // A bare pointer (only fromQVariant makes one) says nothing about ownership.
    return AutomationObject::borrow(VariantConversion::objectIn(picked));
}

AutomationVariant AutomationVariant::asVariant(int element) const
{
    return element == 0 ? *this : fromQVariant(elementOf(m_value, element));
}

QByteArray AutomationVariant::asBytes() const
{
    return m_value.metaType() == QMetaType::fromType<QByteArray>() ? m_value.toByteArray() : QByteArray();
}

int AutomationVariant::arrayCount() const
{
    const ArrayType *array = arrayTypeOf(m_value.metaType());
    return array ? int(array->count(m_value)) : -1;
}

void AutomationVariant::assign(const QByteArray &data, Bytes as)
{
    m_value = as == Bytes::AsText ? QVariant(QString::fromUtf8(data)) : QVariant(data);
}

void AutomationVariant::assign(const char *text)
{
    *this = AutomationVariant(text);
}

void AutomationVariant::assign(qint64 number)
{
    m_value = number;
}

void AutomationVariant::assign(int number)
{
    m_value = number;
}

void AutomationVariant::assign(bool value)
{
    m_value = value;
}

void AutomationVariant::assign(const QDateTime &date)
{
    m_value = date;
}

void AutomationVariant::assign(const AutomationObject &object)
{
    m_value = QVariant::fromValue(object);
}
