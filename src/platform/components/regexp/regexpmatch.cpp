#include "platform/components/regexp/regexpmatch.h"

#include "platform/components/regexp/submatches.h"

RegExpMatch::RegExpMatch(const QString &subject, const PatternMatch &match, QObject *parent)
    : QObject(parent)
    , m_subject(subject)
    , m_match(match)
{
}

QObject *RegExpMatch::subMatches()
{
    if (!m_subMatches)
        m_subMatches = new SubMatches(m_subject, m_match, this);
    return m_subMatches;
}
