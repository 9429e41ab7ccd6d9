#include "objects/regexobject.h"

#include "platform/toolkit/markersearch.h"

namespace {

// Every occurrence of `found` replaced, from left to right, never one that begins inside a character.
QByteArray replacedEverywhere(const QByteArray &text, const QByteArray &found, const QByteArray &replacement,
                              bool caseSensitive)
{
    // Folding ASCII letters keeps every byte where it was, so positions in the folded text hold for both.
    const QByteArray searched = caseSensitive ? text : text.toLower();
    const QByteArray marker = caseSensitive ? found : found.toLower();
    QByteArray result;
    qsizetype copied = 0;
    for (qsizetype at = findMarker(searched, marker, 0); at >= 0; at = findMarker(searched, marker, copied)) {
        result += QByteArrayView(text).sliced(copied, at - copied);
        result += replacement;
        copied = at + marker.size();
    }
    return result.append(QByteArrayView(text).sliced(copied));
}

} // namespace

RegexObject::~RegexObject()
{
    m_regex.clear();
    m_matches.clear();
    m_apartment.leaveAll();
}

RegexObject::RegexObject(const RegexObject &other)
    : m_regex(other.m_regex)
    , m_matches(other.m_matches)
{
}

bool RegexObject::compile(const QByteArray &pattern, bool caseSensitive, bool global)
{
    m_apartment.enter();
    m_regex.clear();
    return m_regex.create(kProgId) && m_regex.write("pattern", pattern) &&
           m_regex.write("ignorecase", !caseSensitive) && m_regex.write("global", global);
}

bool RegexObject::test(const QByteArray &text) const
{
    return !m_regex.isEmpty() && m_regex.callBool("test", {text});
}

int RegexObject::execute(const QByteArray &text)
{
    if (m_regex.isEmpty())
        return 0;
    m_matches.clear();
    m_matches = m_regex.callObject("Execute", {text});
    return truncatedToInt(m_matches.readNumber("count"));
}

AutomationObject RegexObject::matchObject(int match) const
{
    if (m_regex.isEmpty() || m_matches.isEmpty() || match < 1)
        return {};
    return m_matches.readObject("item", {match - 1});
}

QByteArray RegexObject::matchValue(int match) const
{
    return matchObject(match).callText("Value");
}

int RegexObject::subMatchCount(int match) const
{
    return truncatedToInt(matchObject(match).readObject("SubMatches").readNumber("count"));
}

QByteArray RegexObject::subMatch(int match, int group) const
{
    if (group < 1)
        return {};
    return matchObject(match).readObject("SubMatches").callText("item", {group - 1});
}

QByteArray RegexObject::replace(const QByteArray &text, const QByteArray &replacement, bool caseSensitive)
{
    const int count = execute(text);
    QByteArray current = text;
    for (int i = 1; i <= count; ++i) {
        const QByteArray found = matchValue(i);
        // An empty match has nothing to replace; searching for empty text would find it everywhere.
        if (!found.isEmpty())
            current = replacedEverywhere(current, found, replacement, caseSensitive);
    }
    return current;
}
