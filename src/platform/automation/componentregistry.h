#pragma once

#include <QByteArrayView>

#include <functional>

class QObject;

// The ProgIDs this process can create, each with the factory of its component. ProgIDs match without
// regard to case, as the platform's do.
namespace ComponentRegistry {

using Factory = std::function<QObject *()>;

// Adds or replaces a ProgID.
void add(QByteArrayView progId, Factory factory);
void remove(QByteArrayView progId);
// A new, parentless object, or null when the ProgID is unknown or its factory gave none.
QObject *make(QByteArrayView progId);

} // namespace ComponentRegistry
