#pragma once

#include <QObject>
#include <QVariant>

class ScriptControlComponent;

// The functions the global module's code defined, in the order they were first defined.
class ScriptProcedures : public QObject {
    Q_OBJECT
    Q_PROPERTY(int count READ count)

public:
    explicit ScriptProcedures(ScriptControlComponent *control);

    int count() const;
    // By position from 1 or by name (exact case, as script names are); a new ScriptProcedure that the
    // caller's handle owns, or null.
    Q_INVOKABLE QObject *item(const QVariant &key) const;

private:
    ScriptControlComponent *m_control;
};
