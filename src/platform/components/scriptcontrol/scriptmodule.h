#pragma once

#include <QObject>
#include <QString>

// The control's one module, "Global", which all code is added to.
class ScriptModule : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(QObject *codeObject READ codeObject CONSTANT)
    Q_PROPERTY(QObject *procedures READ procedures CONSTANT)

public:
    static constexpr char kName[] = "Global";

    // codeObject and procedures are the control's, which outlive this module.
    ScriptModule(QObject *codeObject, QObject *procedures, QObject *parent);

    QString name() const { return QString::fromLatin1(kName); }
    QObject *codeObject() const { return m_codeObject; }
    QObject *procedures() const { return m_procedures; }

private:
    QObject *m_codeObject;
    QObject *m_procedures;
};
