#include "platform/components/scriptcontrol/scriptmodule.h"

ScriptModule::ScriptModule(QObject *codeObject, QObject *procedures, QObject *parent)
    : QObject(parent)
    , m_codeObject(codeObject)
    , m_procedures(procedures)
{
}
