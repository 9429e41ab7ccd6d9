#include "platform/automation/variantconversion.h"

#include "platform/automation/automationobject.h"
#include "platform/automation/numberrange.h"

#include <QLatin1String>
#include <QMetaObject>
#include <QObject>
#include <QString>

namespace {

std::optional<QVariant> textToBool(const QString &text)
{
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return QVariant(true);
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return QVariant(false);
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    if (!isNumber)
        return std::nullopt;
    return QVariant(number != 0);
}

std::optional<QVariant> toObjectPointer(const QVariant &value, QMetaType target)
{
    if (!VariantConversion::holdsObject(value))
        return std::nullopt;
    QObject *object = VariantConversion::objectIn(value);
    if (object && !object->metaObject()->inherits(target.metaObject()))
        return std::nullopt;
    return QVariant(target, &object);
}

} // namespace

std::optional<QVariant> VariantConversion::convertTo(const QVariant &value, QMetaType target)
{
    if (!target.isValid())
        return std::nullopt;
    if (target == QMetaType::fromType<QVariant>() || value.metaType() == target)
        return value;
    if (!value.isValid())
        return QVariant(target);
    if (target.flags() & QMetaType::PointerToQObject)
        return toObjectPointer(value, target);
    // Qt reads every text but "", "0" and "false" as true; a member must not be switched on by "maybe".
    if (target.id() == QMetaType::Bool && value.metaType().id() == QMetaType::QString)
        return textToBool(*static_cast<const QString *>(value.constData()));
    QVariant converted = value;
    if (!NumberRange::fits(value, target) || !converted.convert(target))
        return std::nullopt;
    return converted;
}

bool VariantConversion::holdsObject(const QVariant &value)
{
    return value.metaType() == QMetaType::fromType<AutomationObject>() ||
           (value.metaType().flags() & QMetaType::PointerToQObject);
}

QObject *VariantConversion::objectIn(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<AutomationObject>())
        return static_cast<const AutomationObject *>(value.constData())->object();
    if (value.metaType().flags() & QMetaType::PointerToQObject)
        return *static_cast<QObject *const *>(value.constData());
    return nullptr;
}
