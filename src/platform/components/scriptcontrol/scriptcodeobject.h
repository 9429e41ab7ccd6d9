#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

class ScriptControlComponent;

// The global module's code object: its globals by name. Item(name) reads one, Item(name) = value writes
// one, as the late-binding layer's indexed properties do. Errors land in the control's Error object.
class ScriptCodeObject : public QObject {
    Q_OBJECT

public:
    explicit ScriptCodeObject(ScriptControlComponent *control);

    Q_INVOKABLE QVariant item(const QString &name) const;
    Q_INVOKABLE void setItem(const QString &name, const QVariant &value);

private:
    ScriptControlComponent *m_control;
};
