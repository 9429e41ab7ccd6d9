#pragma once

#include "platform/automation/automationvariant.h"

#include <QByteArrayView>
#include <QVariant>

#include <span>

class QObject;

// Finds a component's members by name without regard to case and runs them with arguments converted to
// the types they declare. A member is a Q_PROPERTY or a public Q_INVOKABLE method or slot of the
// component's own classes (QObject's, such as deleteLater, are not offered); a method is chosen by name and
// argument count. Main thread only: the member tables are cached per class without locking.
namespace MemberDispatch {

// The most arguments a member is given; more fail the access.
inline constexpr qsizetype MaxArguments = 11;

using Arguments = std::span<const AutomationVariant>;

// A property's value (no arguments) or else a method's result; an empty value on any failure.
QVariant read(QObject *object, QByteArrayView member, Arguments args);
// A method's result or else, without arguments, a property's value; an empty value on any failure.
QVariant call(QObject *object, QByteArrayView member, Arguments args);
// Writes a writable property (no indexes) or else runs set<member>(indexes..., value); true on success.
bool write(QObject *object, QByteArrayView member, Arguments indexes, const AutomationVariant &value);

} // namespace MemberDispatch
