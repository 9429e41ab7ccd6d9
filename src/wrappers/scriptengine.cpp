#include "wrappers/scriptengine.h"

#include <algorithm>
#include <vector>

ScriptEngine::ScriptEngine()
{
    createEngine();
}

ScriptEngine::~ScriptEngine()
{
    m_script.clear();
    m_apartment.leaveAll();
}

ScriptEngine::ScriptEngine(const ScriptEngine &other)
    : m_script(other.m_script)
{
}

void ScriptEngine::createEngine(QByteArrayView progId)
{
    m_apartment.enter();
    m_script.create(progId);
}

void ScriptEngine::setLanguage(const QByteArray &language)
{
    m_script.write("Language", language);
}

QByteArray ScriptEngine::language() const
{
    return m_script.readText("Language");
}

void ScriptEngine::setState(int state)
{
    m_script.write("State", state);
}

int ScriptEngine::state() const
{
    return truncatedToInt(m_script.readNumber("State"));
}

void ScriptEngine::setSiteHwnd(int window)
{
    m_script.write("SitehWnd", window);
}

int ScriptEngine::siteHwnd() const
{
    return truncatedToInt(m_script.readNumber("SitehWnd"));
}

void ScriptEngine::setTimeout(int milliseconds)
{
    m_script.write("Timeout", milliseconds);
}

int ScriptEngine::timeout() const
{
    return truncatedToInt(m_script.readNumber("Timeout"));
}

void ScriptEngine::setAllowUI(bool allow)
{
    m_script.write("AllowUI", allow);
}

bool ScriptEngine::allowUI() const
{
    return m_script.readBool("AllowUI");
}

void ScriptEngine::setUseSafeSubset(bool use)
{
    m_script.write("UseSafeSubset", use);
}

bool ScriptEngine::useSafeSubset() const
{
    return m_script.readBool("UseSafeSubset");
}

AutomationObject ScriptEngine::modules() const
{
    return m_script.readObject("Modules");
}

AutomationObject ScriptEngine::error() const
{
    return m_script.readObject("Error");
}

AutomationObject ScriptEngine::codeObject() const
{
    return m_script.readObject("CodeObject");
}

AutomationObject ScriptEngine::procedures() const
{
    return m_script.readObject("Procedures");
}

int ScriptEngine::addObject(const QByteArray &name, const AutomationObject &object, bool addMembers)
{
    return truncatedToInt(m_script.callNumber("AddObject", {name, object, addMembers}));
}

int ScriptEngine::reset()
{
    return truncatedToInt(m_script.callNumber("Reset"));
}

int ScriptEngine::addCode(const QByteArray &code)
{
    return truncatedToInt(m_script.callNumber("AddCode", {code}));
}

AutomationVariant ScriptEngine::eval(const QByteArray &expression)
{
    return m_script.callVariant("Eval", {expression});
}

int ScriptEngine::executeStatement(const QByteArray &statement)
{
    return truncatedToInt(m_script.callNumber("ExecuteStatement", {statement}));
}

AutomationVariant ScriptEngine::run(const QByteArray &name, std::span<const AutomationVariant> arguments)
{
    std::vector<AutomationVariant> passed{AutomationVariant(name)};
    const auto count = std::min<qsizetype>(qsizetype(arguments.size()), kMaxRunArguments);
    passed.insert(passed.end(), arguments.begin(), arguments.begin() + count);
    return m_script.callVariant("Run", passed);
}
