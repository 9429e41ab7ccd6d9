#include "platform/components/scriptcontrol/scriptprocedure.h"

ScriptProcedure::ScriptProcedure(QString name, int numArgs)
    : m_name(std::move(name))
    , m_numArgs(numArgs)
{
}
