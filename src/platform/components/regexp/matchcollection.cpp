#include "platform/components/regexp/matchcollection.h"

#include "platform/components/regexp/regexpmatch.h"

MatchCollection::MatchCollection(const QString &subject, QList<PatternMatch> matches)
    : m_subject(subject)
    , m_matches(std::move(matches))
    , m_items(m_matches.size(), nullptr)
{
}

QObject *MatchCollection::item(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    RegExpMatch *&match = m_items[index];
    if (!match)
        match = new RegExpMatch(m_subject, m_matches.at(index), this);
    return match;
}
