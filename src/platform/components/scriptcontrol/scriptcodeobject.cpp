#include "platform/components/scriptcontrol/scriptcodeobject.h"

#include "platform/components/scriptcontrol/scriptcontrolcomponent.h"

ScriptCodeObject::ScriptCodeObject(ScriptControlComponent *control)
    : QObject(control)
    , m_control(control)
{
}

QVariant ScriptCodeObject::item(const QString &name) const
{
    return m_control->settle(m_control->session().global(name, m_control->timeLimit()));
}

void ScriptCodeObject::setItem(const QString &name, const QVariant &value)
{
    m_control->settle(m_control->session().setGlobal(name, value, m_control->timeLimit()));
}
