#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <map>

// A request object that notes every call it gets as "Member(type value, ...)", to show what HttpRequest
// passes and in which kinds, and answers with the headers a test gives it.
class RecordingRequest : public QObject {
    Q_OBJECT

public:
    static constexpr char kProgId[] = "Quorin.Test.RecordingRequest";

    Q_INVOKABLE void open(const QString &method, const QString &url, bool async)
    {
        note("Open", {method, url, async});
    }
    Q_INVOKABLE void send() { note("Send", {}); }
    Q_INVOKABLE void send(const QVariant &body) { note("Send", {body}); }
    Q_INVOKABLE bool waitForResponse(int timeout)
    {
        note("WaitForResponse", {timeout});
        return true;
    }
    Q_INVOKABLE QVariant option(int index)
    {
        note("Option", {index});
        return m_options[index];
    }
    Q_INVOKABLE void setOption(int index, const QVariant &value)
    {
        note("setOption", {index, value});
        m_options[index] = value;
    }
    Q_INVOKABLE void setProxy(int setting, const QString &server, const QString &bypass)
    {
        note("SetProxy", {setting, server, bypass});
    }
    Q_INVOKABLE void setCredentials(const QString &user, const QString &password, int flags)
    {
        note("SetCredentials", {user, password, flags});
    }
    Q_INVOKABLE void setRequestHeader(const QString &name, const QString &value)
    {
        note("SetRequestHeader", {name, value});
    }
    Q_INVOKABLE void setTimeouts(int resolveMs, int connectMs, int sendMs, int receiveMs)
    {
        note("SetTimeouts", {resolveMs, connectMs, sendMs, receiveMs});
    }
    // The answer's headers as the test set them; not noted.
    Q_INVOKABLE QString getAllResponseHeaders() const { return headers; }

    QStringList calls;
    QString headers;

private:
    void note(const char *member, const QVariantList &arguments)
    {
        QStringList shown;
        for (const QVariant &argument : arguments)
            shown << QString::fromLatin1(argument.typeName()) + ' ' + argument.toString();
        calls << QString::fromLatin1(member) + '(' + shown.join(QStringLiteral(", ")) + ')';
    }

    std::map<int, QVariant> m_options;
};
