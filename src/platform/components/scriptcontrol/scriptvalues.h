#pragma once

#include "platform/automation/automationobject.h"

#include <QJSValue>
#include <QVariant>

#include <memory>
#include <vector>

class QJSEngine;
class ScriptMemberBridge;

// Carries values between the late-binding layer and one script engine, both ways: numbers, texts, bools,
// dates, empty, arrays (element by element) and objects. An automation object enters the script as a
// proxy whose members are found by name, in any case, and run through the late-binding layer; the same
// object always gives the same proxy, and the proxy going back out gives the object again.
//
// Objects that crossed stay alive (and reachable from the script) until the ScriptValues goes.
class ScriptValues {
public:
    explicit ScriptValues(QJSEngine *engine);
    ~ScriptValues();
    ScriptValues(const ScriptValues &) = delete;
    ScriptValues &operator=(const ScriptValues &) = delete;

    QJSValue toScript(const QVariant &value);
    // undefined and null give an empty value, and so do functions and plain script objects, which have no
    // counterpart. Arrays nested deeper than kMaxDepth, or longer than kMaxElements, give an empty value
    // too: a script may make an array that holds itself or claims four billion elements.
    QVariant fromScript(const QJSValue &value, int depth = 0) const;
    QJSValue proxyFor(const AutomationObject &object);

    static constexpr int kMaxDepth = 32;
    static constexpr quint32 kMaxElements = 1 << 20;

private:
    struct Crossed {
        AutomationObject object;
        std::unique_ptr<ScriptMemberBridge> bridge;
        QJSValue proxy;
    };

    QJSEngine *m_engine;
    QJSValue m_makeProxy;
    std::vector<Crossed> m_crossed;
};
