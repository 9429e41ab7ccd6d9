#pragma once

#include "platform/automation/automationobject.h"

#include <QJSValue>
#include <QObject>
#include <QString>

class ScriptValues;

// The object behind one script proxy: the proxy's traps ask it what a name is and to read, write or call
// that member of an automation object, by name and in any case, through the late-binding layer.
class ScriptMemberBridge : public QObject {
    Q_OBJECT

public:
    ScriptMemberBridge(AutomationObject object, ScriptValues *values);

    // A property by that name, which a read gives as a value.
    Q_INVOKABLE bool isProperty(const QString &name) const;
    // A method by that name and no property: a read gives a function that calls it.
    Q_INVOKABLE bool isMethod(const QString &name) const;
    Q_INVOKABLE QJSValue read(const QString &name) const;
    // True when the member took the value.
    Q_INVOKABLE bool write(const QString &name, const QJSValue &value) const;
    // arguments: a script array.
    Q_INVOKABLE QJSValue call(const QString &name, const QJSValue &arguments) const;

    // The names of the object's members, as its class declares them, each once.
    static QStringList memberNames(const QObject *object);

private:
    AutomationObject m_object;
    ScriptValues *m_values;
};
