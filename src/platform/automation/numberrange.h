#pragma once

#include <QMetaType>
#include <QVariant>

namespace NumberRange {

// Whether a number, or a text holding one, converts to the integer or float type `target` without
// overflowing it: Qt's own conversions wrap ("99999999999" to an int gives 1215752191) and report
// success. True for every other value and target, whose conversion is no matter of range.
bool fits(const QVariant &value, QMetaType target);

} // namespace NumberRange
