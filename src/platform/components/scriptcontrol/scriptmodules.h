#pragma once

#include <QObject>
#include <QVariant>

class ScriptModule;

// The control's modules: only the global one, which cannot be added to or removed.
class ScriptModules : public QObject {
    Q_OBJECT
    Q_PROPERTY(int count READ count)

public:
    // codeObject and procedures are the global module's, owned by parent.
    ScriptModules(QObject *codeObject, QObject *procedures, QObject *parent);

    int count() const { return 1; }
    // 1 or "Global" (any case) give the global module; anything else null.
    Q_INVOKABLE QObject *item(const QVariant &key) const;

private:
    ScriptModule *m_global;
};
