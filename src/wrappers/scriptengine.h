#pragma once

#include "platform/automation/automationobject.h"
#include "platform/automation/automationvariant.h"
#include "platform/automation/comapartment.h"

#include <QByteArray>
#include <QByteArrayView>

#include <span>

// The platform's script control, driven late-bound: a piece of script is added to it and its functions are
// called by name. The one user is the cookie reader, which makes a fresh engine for every extraction.
//
// Apartment balance: each createEngine enters the apartment once, and the destructor leaves it once for
// every entry this instance made, so a copy, which makes none, leaves none.
//
// Every member gives the zero value (empty text, 0, false, an empty handle or variant) when the control is
// missing or the call fails; integers are the control's numbers truncated toward zero.
class ScriptEngine {
public:
    static constexpr char kDefaultProgId[] = "ScriptControl";
    static constexpr char kDefaultLanguage[] = "JavaScript";
    // run passes at most this many arguments; later ones are dropped.
    static constexpr qsizetype kMaxRunArguments = 10;

    // Creates the control from kDefaultProgId; no language is set.
    ScriptEngine();
    // Releases the control, then leaves the apartment as the class comment says.
    ~ScriptEngine();
    // Shares the control; enters no apartment.
    ScriptEngine(const ScriptEngine &other);
    ScriptEngine &operator=(const ScriptEngine &) = delete;

    // A handle sharing the control.
    AutomationObject scriptObject() const { return m_script; }
    // Enters the apartment, then creates a new control in place of the old one (kept when that fails).
    void createEngine(QByteArrayView progId = kDefaultProgId);

    void setLanguage(const QByteArray &language = kDefaultLanguage);
    QByteArray language() const;
    void setState(int state);
    int state() const;
    void setSiteHwnd(int window);
    int siteHwnd() const;
    void setTimeout(int milliseconds);
    int timeout() const;
    void setAllowUI(bool allow);
    bool allowUI() const;
    void setUseSafeSubset(bool use);
    bool useSafeSubset() const;
    AutomationObject modules() const;
    AutomationObject error() const;
    AutomationObject codeObject() const;
    AutomationObject procedures() const;

    // Makes the object reachable from script as `name`; with addMembers its members are globals too.
    int addObject(const QByteArray &name, const AutomationObject &object, bool addMembers = false);
    int reset();
    int addCode(const QByteArray &code);
    AutomationVariant eval(const QByteArray &expression);
    int executeStatement(const QByteArray &statement);
    // Calls the script function `name` with the first kMaxRunArguments arguments; its result.
    AutomationVariant run(const QByteArray &name, std::span<const AutomationVariant> arguments = {});

private:
    AutomationObject m_script;
    ApartmentEntries m_apartment;
};
