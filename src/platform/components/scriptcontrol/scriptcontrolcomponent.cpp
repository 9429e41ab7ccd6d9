#include "platform/components/scriptcontrol/scriptcontrolcomponent.h"

#include "platform/automation/automationvariant.h"
#include "platform/automation/componentregistry.h"
#include "platform/components/scriptcontrol/scriptcodeobject.h"
#include "platform/components/scriptcontrol/scripterror.h"
#include "platform/components/scriptcontrol/scriptmodules.h"
#include "platform/components/scriptcontrol/scriptprocedures.h"

#include <QVariantList>

namespace {

constexpr char kProgId[] = "ScriptControl";

// Marks an argument that run() was not given.
struct NotGiven {};

ScriptSession::Result refusal(ScriptError::Number number, const QString &description)
{
    return {{}, {number, description, QString::fromLatin1(ScriptError::kControlSource), 0, 0, {}}};
}

ScriptSession::Result languageNotSet()
{
    return refusal(ScriptError::LanguageNotSet, QStringLiteral("No script language is set"));
}

bool isJavaScript(const QString &language)
{
    return language.compare(QLatin1String("JavaScript"), Qt::CaseInsensitive) == 0 ||
           language.compare(QLatin1String("JScript"), Qt::CaseInsensitive) == 0;
}

} // namespace

Q_DECLARE_METATYPE(NotGiven)

ScriptControlComponent::ScriptControlComponent(QObject *parent)
    : QObject(parent)
    , m_error(new ScriptError(this))
    , m_codeObject(new ScriptCodeObject(this))
    , m_procedures(new ScriptProcedures(this))
    , m_modules(new ScriptModules(m_codeObject, m_procedures, this))
{
}

ScriptControlComponent::~ScriptControlComponent() = default;

void ScriptControlComponent::setLanguage(const QString &language)
{
    if (!isJavaScript(language)) {
        settle(refusal(ScriptError::UnsupportedLanguage,
                       QStringLiteral("The script language '%1' is not supported").arg(language)));
        return;
    }
    m_language = language;
    settle({});
}

void ScriptControlComponent::setState(int state)
{
    if (state != Initialized && state != Connected) {
        settle(refusal(ScriptError::InvalidArgument, QStringLiteral("%1 is not a state").arg(state)));
        return;
    }
    m_state = state;
    settle({});
}

QObject *ScriptControlComponent::modules() const
{
    return m_modules;
}

QObject *ScriptControlComponent::error() const
{
    return m_error;
}

QObject *ScriptControlComponent::codeObject() const
{
    return m_codeObject;
}

QObject *ScriptControlComponent::procedures() const
{
    return m_procedures;
}

void ScriptControlComponent::addObject(const QString &name, const QVariant &object, bool addMembers)
{
    settle(m_session.addObject(name, AutomationVariant::fromQVariant(object).asObject(), addMembers,
                               timeLimit()));
}

void ScriptControlComponent::reset()
{
    if (!m_session.reset()) {
        settle(refusal(ScriptError::Busy, QStringLiteral("The control cannot be reset while a script runs")));
        return;
    }
    settle({});
}

void ScriptControlComponent::addCode(const QString &code)
{
    settle(evaluateCode(code));
}

QVariant ScriptControlComponent::eval(const QString &expression)
{
    return settle(evaluateCode(expression));
}

void ScriptControlComponent::executeStatement(const QString &statement)
{
    settle(evaluateCode(statement));
}

QVariant ScriptControlComponent::run(const QString &name, const QVariant &a1, const QVariant &a2,
                                     const QVariant &a3, const QVariant &a4, const QVariant &a5,
                                     const QVariant &a6, const QVariant &a7, const QVariant &a8,
                                     const QVariant &a9, const QVariant &a10)
{
    if (m_language.isEmpty())
        return settle(languageNotSet());
    QVariantList arguments;
    for (const QVariant *argument : {&a1, &a2, &a3, &a4, &a5, &a6, &a7, &a8, &a9, &a10}) {
        if (argument->metaType() == QMetaType::fromType<NotGiven>())
            break;
        arguments.append(*argument);
    }
    return settle(m_session.call(name, arguments, timeLimit()));
}

ScriptSession::TimeLimit ScriptControlComponent::timeLimit() const
{
    if (m_timeoutMs <= 0)
        return std::nullopt;
    return std::chrono::milliseconds(m_timeoutMs);
}

QVariant ScriptControlComponent::settle(const ScriptSession::Result &result)
{
    m_error->record(result.error);
    return result.error.number == ScriptError::NoError ? result.value : QVariant();
}

QVariant ScriptControlComponent::notGiven()
{
    return QVariant::fromValue(NotGiven{});
}

ScriptSession::Result ScriptControlComponent::evaluateCode(const QString &code)
{
    if (m_language.isEmpty())
        return languageNotSet();
    return m_session.evaluate(code, timeLimit());
}

void registerScriptControlComponent()
{
    ComponentRegistry::add(kProgId, [] { return new ScriptControlComponent; });
}
