#include "platform/automation/numberrange.h"

#include <QString>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <variant>

namespace {

struct IntegerRange {
    qint64 lowest;
    quint64 highest;
};

template <typename T> constexpr IntegerRange rangeOf()
{
    return {qint64(std::numeric_limits<T>::lowest()), quint64(std::numeric_limits<T>::max())};
}

std::optional<IntegerRange> integerRangeOf(QMetaType type)
{
    switch (type.id()) {
    case QMetaType::Char:
        return rangeOf<char>();
    case QMetaType::SChar:
        return rangeOf<signed char>();
    case QMetaType::UChar:
        return rangeOf<unsigned char>();
    case QMetaType::Short:
        return rangeOf<short>();
    case QMetaType::UShort:
        return rangeOf<unsigned short>();
    case QMetaType::Int:
        return rangeOf<int>();
    case QMetaType::UInt:
        return rangeOf<unsigned int>();
    case QMetaType::Long:
        return rangeOf<long>();
    case QMetaType::ULong:
        return rangeOf<unsigned long>();
    case QMetaType::LongLong:
        return rangeOf<qint64>();
    case QMetaType::ULongLong:
        return rangeOf<quint64>();
    default:
        return std::nullopt;
    }
}

// A number as a conversion sees it: whole numbers exactly, in the signedness of their type, others as a
// double.
using Number = std::variant<qint64, quint64, double>;

std::optional<Number> numberIn(const QVariant &value)
{
    const QMetaType type = value.metaType();
    if (type.id() == QMetaType::Double || type.id() == QMetaType::Float)
        return value.toDouble();
    if (const auto range = integerRangeOf(type))
        return range->lowest == 0 ? Number(value.toULongLong()) : Number(value.toLongLong());
    if (type.id() != QMetaType::QString && type.id() != QMetaType::QByteArray)
        return std::nullopt;
    const QString text = value.toString();
    bool ok = false;
    if (const qint64 whole = text.toLongLong(&ok); ok)
        return whole;
    if (const quint64 whole = text.toULongLong(&ok); ok)
        return whole;
    if (const double floating = text.toDouble(&ok); ok)
        return floating;
    return std::nullopt;
}

bool fitsInteger(const Number &number, IntegerRange range)
{
    if (const auto *whole = std::get_if<qint64>(&number))
        return *whole >= range.lowest && (*whole < 0 || quint64(*whole) <= range.highest);
    if (const auto *whole = std::get_if<quint64>(&number))
        return *whole <= range.highest;
    const double floating = std::get<double>(number);
    if (!std::isfinite(floating))
        return false;
    // Qt rounds half away from zero; the range is checked on what it would store.
    const double rounded = std::trunc(floating >= 0 ? floating + 0.5 : floating - 0.5);
    return rounded >= double(range.lowest) && rounded < double(range.highest) + 1.0;
}

// Infinity stays infinity; only a finite number may not become one.
bool fitsFloat(const Number &number)
{
    const auto *floating = std::get_if<double>(&number);
    return !floating || !std::isfinite(*floating) || std::fabs(*floating) <= FLT_MAX;
}

} // namespace

bool NumberRange::fits(const QVariant &value, QMetaType target)
{
    const std::optional<IntegerRange> range = integerRangeOf(target);
    if (!range && target.id() != QMetaType::Float)
        return true;
    const std::optional<Number> number = numberIn(value);
    if (!number)
        return true;
    return range ? fitsInteger(*number, *range) : fitsFloat(*number);
}
