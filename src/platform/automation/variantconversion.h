#pragma once

#include <QMetaType>
#include <QVariant>

#include <optional>

class QObject;

// The one set of conversions that values go through on their way into a member and out to a caller, so
// both directions agree on what converts.
namespace VariantConversion {

// The value as `target`, or nothing when it does not convert. A QVariant target takes the value as it is;
// an empty value becomes the target's zero value. Text reads as a bool only when it is "true", "false"
// (any case) or a number, never merely for being non-empty. A number too large for a numeric target does
// not convert.
std::optional<QVariant> convertTo(const QVariant &value, QMetaType target);

// Whether the value holds an object: a handle or a QObject pointer, null ones included.
bool holdsObject(const QVariant &value);

// The object a value holds; null for a null object and for a value that holds none.
QObject *objectIn(const QVariant &value);

} // namespace VariantConversion
