#include "platform/toolkit/inivalue.h"

#include "platform/toolkit/inifile.h"

QByteArray readIniValue(const QString &path, QByteArrayView section, QByteArrayView key)
{
    return IniFile(path).value(section, key);
}

bool writeIniValue(const QString &path, QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    IniFile file(path);
    return file.setValue(section, key, value) && file.save();
}
