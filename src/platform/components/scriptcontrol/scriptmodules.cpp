#include "platform/components/scriptcontrol/scriptmodules.h"

#include "platform/components/scriptcontrol/scriptmodule.h"

ScriptModules::ScriptModules(QObject *codeObject, QObject *procedures, QObject *parent)
    : QObject(parent)
    , m_global(new ScriptModule(codeObject, procedures, this))
{
}

QObject *ScriptModules::item(const QVariant &key) const
{
    if (key.metaType().id() == QMetaType::QString)
        return key.toString().compare(QLatin1String(ScriptModule::kName), Qt::CaseInsensitive) == 0 ? m_global
                                                                                                    : nullptr;
    bool isNumber = false;
    return key.toLongLong(&isNumber) == 1 && isNumber ? m_global : nullptr;
}
