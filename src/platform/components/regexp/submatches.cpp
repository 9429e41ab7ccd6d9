#include "platform/components/regexp/submatches.h"

SubMatches::SubMatches(const QString &subject, const PatternMatch &match, QObject *parent)
    : QObject(parent)
    , m_subject(subject)
    , m_match(match)
{
}

QVariant SubMatches::item(int index) const
{
    if (index < 0 || index >= count() || !m_match.groups.at(index).isSet())
        return {};
    return m_match.groups.at(index).in(m_subject);
}
