#pragma once

#include "platform/components/scriptcontrol/scriptsession.h"

#include <QObject>
#include <QString>
#include <QVariant>

class ScriptCodeObject;
class ScriptError;
class ScriptModules;
class ScriptProcedures;

// The script control created by ProgID "ScriptControl", on QJSEngine: code added to its global module,
// expressions and statements run in it, its global functions called by name, and automation objects made
// reachable from its scripts by name.
//
// Language is empty until set; "JavaScript" and its alias "JScript" (any case) are taken, any other
// language is refused. Code runs only once a language is set. There is one module, "Global".
//
// Timeout bounds every run in milliseconds (10,000 unless set; 0 or less: no limit): a script still
// running then is stopped and the run reports an error. Runs started from inside a script share the time
// of the run they are part of. AllowUI, UseSafeSubset, SitehWnd and State are kept and read back: the
// engine has no dialogs and offers no unsafe objects to leave out, and there is no site window.
//
// Nothing throws: a member that fails gives its zero value (an empty variant) and the Error object tells
// what happened; the next operation that succeeds clears it.
class ScriptControlComponent : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString language READ language WRITE setLanguage)
    Q_PROPERTY(int state READ state WRITE setState)
    Q_PROPERTY(qlonglong sitehWnd READ siteHwnd WRITE setSiteHwnd)
    Q_PROPERTY(int timeout READ timeout WRITE setTimeout)
    Q_PROPERTY(bool allowUI READ allowUI WRITE setAllowUI)
    Q_PROPERTY(bool useSafeSubset READ useSafeSubset WRITE setUseSafeSubset)
    Q_PROPERTY(QObject *modules READ modules CONSTANT)
    Q_PROPERTY(QObject *error READ error CONSTANT)
    Q_PROPERTY(QObject *codeObject READ codeObject CONSTANT)
    Q_PROPERTY(QObject *procedures READ procedures CONSTANT)

public:
    static constexpr int kDefaultTimeoutMs = 10'000;
    enum State { Initialized = 0, Connected = 1 };

    explicit ScriptControlComponent(QObject *parent = nullptr);
    ~ScriptControlComponent() override;

    QString language() const { return m_language; }
    void setLanguage(const QString &language);
    int state() const { return m_state; }
    // Initialized or Connected; anything else is refused.
    void setState(int state);
    qlonglong siteHwnd() const { return m_siteHwnd; }
    void setSiteHwnd(qlonglong window) { m_siteHwnd = window; }
    int timeout() const { return m_timeoutMs; }
    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }
    bool allowUI() const { return m_allowUI; }
    void setAllowUI(bool allow) { m_allowUI = allow; }
    bool useSafeSubset() const { return m_useSafeSubset; }
    void setUseSafeSubset(bool use) { m_useSafeSubset = use; }

    QObject *modules() const;
    QObject *error() const;
    QObject *codeObject() const;
    QObject *procedures() const;

    // Makes an automation object the script's global `name`: its members are read, written and called by
    // name, in any case, through the late-binding layer. With addMembers its members are globals too.
    // The object is kept alive until reset.
    Q_INVOKABLE void addObject(const QString &name, const QVariant &object, bool addMembers = false);
    // Drops all code and added objects; refused while a script runs.
    Q_INVOKABLE void reset();
    Q_INVOKABLE void addCode(const QString &code);
    // The value of the expression.
    Q_INVOKABLE QVariant eval(const QString &expression);
    Q_INVOKABLE void executeStatement(const QString &statement);
    // Calls the global function `name` with the arguments given, up to ten; its result.
    Q_INVOKABLE QVariant run(const QString &name, const QVariant &a1 = notGiven(),
                             const QVariant &a2 = notGiven(), const QVariant &a3 = notGiven(),
                             const QVariant &a4 = notGiven(), const QVariant &a5 = notGiven(),
                             const QVariant &a6 = notGiven(), const QVariant &a7 = notGiven(),
                             const QVariant &a8 = notGiven(), const QVariant &a9 = notGiven(),
                             const QVariant &a10 = notGiven());

    // The session the module's objects read; for them only.
    ScriptSession &session() { return m_session; }
    ScriptSession::TimeLimit timeLimit() const;
    // Records the outcome of an operation in the Error object; the value on success, else empty.
    QVariant settle(const ScriptSession::Result &result);

private:
    // What run() sees for an argument left out, which differs from an empty one given: a script function
    // counts its arguments.
    static QVariant notGiven();
    // Refused while no language is set.
    ScriptSession::Result evaluateCode(const QString &code);

    QString m_language;
    int m_state = Initialized;
    qlonglong m_siteHwnd = 0;
    int m_timeoutMs = kDefaultTimeoutMs;
    bool m_allowUI = true;
    bool m_useSafeSubset = false;
    ScriptSession m_session;
    ScriptError *m_error;
    ScriptCodeObject *m_codeObject;
    ScriptProcedures *m_procedures;
    ScriptModules *m_modules;
};

// Makes ScriptControlComponent creatable by its ProgID.
void registerScriptControlComponent();
