#include "platform/components/scriptcontrol/scripterror.h"

ScriptError::ScriptError(QObject *parent)
    : QObject(parent)
{
}
