#include "platform/components/regexp/regexpcomponent.h"

#include "platform/automation/componentregistry.h"
#include "platform/components/regexp/matchcollection.h"
#include "platform/components/regexp/replacementtext.h"

RegExpComponent::RegExpComponent(QObject *parent)
    : QObject(parent)
{
}

void RegExpComponent::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    forgetCompiled();
}

void RegExpComponent::setIgnoreCase(bool ignoreCase)
{
    m_ignoreCase = ignoreCase;
    forgetCompiled();
}

void RegExpComponent::setMultiline(bool multiline)
{
    m_multiline = multiline;
    forgetCompiled();
}

const CompiledPattern *RegExpComponent::compiled()
{
    if (!m_compiledIsCurrent) {
        m_compiled = CompiledPattern::compile(m_pattern, m_ignoreCase, m_multiline);
        m_compiledIsCurrent = true;
    }
    return m_compiled ? &*m_compiled : nullptr;
}

bool RegExpComponent::test(const QString &text)
{
    const CompiledPattern *pattern = compiled();
    return pattern && !pattern->find(text, false).isEmpty();
}

QObject *RegExpComponent::execute(const QString &text)
{
    const CompiledPattern *pattern = compiled();
    return pattern ? new MatchCollection(text, pattern->find(text, m_global)) : nullptr;
}

QString RegExpComponent::replace(const QString &text, const QString &replacement)
{
    const CompiledPattern *pattern = compiled();
    if (!pattern)
        return text;
    QString replaced;
    qsizetype copied = 0;
    for (const PatternMatch &match : pattern->find(text, m_global)) {
        replaced += QStringView(text).mid(copied, match.whole.start - copied);
        replaced += replacementText(replacement, text, match);
        copied = match.whole.start + match.whole.length;
    }
    return replaced.append(QStringView(text).mid(copied));
}

void registerRegExpComponent()
{
    ComponentRegistry::add("VBScript.RegExp", [] { return new RegExpComponent; });
}
