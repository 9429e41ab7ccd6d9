#pragma once

#include "platform/automation/automationobject.h"
#include "platform/components/scriptcontrol/scripterror.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <chrono>
#include <memory>
#include <optional>

struct ScriptRuntime;

// One script engine with its global module: the code added so far, its globals and the automation
// objects made reachable from it. Runs code and calls functions under a time limit and turns whatever the
// script throws into error details; nothing escapes as an exception.
class ScriptSession {
public:
    using TimeLimit = std::optional<std::chrono::milliseconds>;

    struct Result {
        QVariant value;
        ScriptError::Details error;
    };
    struct Procedure {
        QString name;
        int parameterCount = 0;
    };

    ScriptSession();
    ~ScriptSession();
    ScriptSession(const ScriptSession &) = delete;
    ScriptSession &operator=(const ScriptSession &) = delete;

    // A fresh engine: all code, globals and added objects are dropped. Refused (false) while a script runs,
    // since the running script lives in the engine.
    bool reset();
    bool isRunning() const { return m_depth > 0; }

    // Runs code in the global scope; the value of its last expression. The outermost run is stopped at the
    // limit; a run from inside a script shares the time of the run it is part of.
    Result evaluate(const QString &code, TimeLimit limit);
    // Calls the global function of that name with the arguments.
    Result call(const QString &name, const QVariantList &arguments, TimeLimit limit);
    // Makes the object the global `name`; with addMembers, each of its members is a global as well. An
    // empty name or object, or a name already given to an object, is refused.
    Result addObject(const QString &name, const AutomationObject &object, bool addMembers, TimeLimit limit);

    // The functions the code defined as globals, in the order they were first defined. Lists without
    // running any of the script's code.
    QList<Procedure> procedures() const;
    // A global's value, and writing one; a global the script made a getter or setter of runs as code does.
    Result global(const QString &name, TimeLimit limit);
    Result setGlobal(const QString &name, const QVariant &value, TimeLimit limit);

private:
    // Runs enterEngine(runtime) as one entry into the engine: the outermost entry is watched by the limit,
    // and a run that was stopped gives a time-out error whatever it returned.
    template <typename Enter> Result enter(TimeLimit limit, Enter enterEngine);

    std::unique_ptr<ScriptRuntime> m_runtime;
    int m_depth = 0;
};
