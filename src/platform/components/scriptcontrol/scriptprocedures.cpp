#include "platform/components/scriptcontrol/scriptprocedures.h"

#include "platform/components/scriptcontrol/scriptcontrolcomponent.h"
#include "platform/components/scriptcontrol/scriptprocedure.h"

ScriptProcedures::ScriptProcedures(ScriptControlComponent *control)
    : QObject(control)
    , m_control(control)
{
}

int ScriptProcedures::count() const
{
    return int(m_control->session().procedures().size());
}

QObject *ScriptProcedures::item(const QVariant &key) const
{
    const QList<ScriptSession::Procedure> procedures = m_control->session().procedures();
    if (key.metaType().id() == QMetaType::QString) {
        for (const ScriptSession::Procedure &procedure : procedures) {
            if (procedure.name == key.toString())
                return new ScriptProcedure(procedure.name, procedure.parameterCount);
        }
        return nullptr;
    }
    bool isNumber = false;
    const qsizetype position = key.toLongLong(&isNumber);
    if (!isNumber || position < 1 || position > procedures.size())
        return nullptr;
    const ScriptSession::Procedure &procedure = procedures.at(position - 1);
    return new ScriptProcedure(procedure.name, procedure.parameterCount);
}
