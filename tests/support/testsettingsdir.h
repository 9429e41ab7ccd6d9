#pragma once

#include <QTemporaryDir>
#include <QtGlobal>

// Points XDG_CONFIG_HOME at a fresh directory for the whole test run, so no test reads or writes the
// user's own settings.
class TestSettingsDir {
public:
    TestSettingsDir() { qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8()); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
