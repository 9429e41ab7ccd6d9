#pragma once

#include <QByteArray>
#include <QtGlobal>

// Sets an environment variable for one scope and puts the old value back after it.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const QByteArray &value)
        : m_name(name), m_hadValue(qEnvironmentVariableIsSet(name)), m_oldValue(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (m_hadValue)
            qputenv(m_name, m_oldValue);
        else
            qunsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    const char *m_name;
    bool m_hadValue;
    QByteArray m_oldValue;
};
