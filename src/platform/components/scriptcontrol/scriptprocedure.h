#pragma once

#include <QObject>
#include <QString>

// One function of the global module, as it was when it was asked for.
class ScriptProcedure : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(int numArgs READ numArgs CONSTANT)
    Q_PROPERTY(bool hasReturnValue READ hasReturnValue CONSTANT)

public:
    ScriptProcedure(QString name, int numArgs);

    QString name() const { return m_name; }
    // The parameters the function declares.
    int numArgs() const { return m_numArgs; }
    // A script function always gives a value, if only an empty one.
    bool hasReturnValue() const { return true; }

private:
    QString m_name;
    int m_numArgs;
};
