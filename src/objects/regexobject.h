#pragma once

#include "platform/automation/automationobject.h"
#include "platform/automation/comapartment.h"

#include <QByteArray>

// The platform's regular expression object and the matches of its last search, driven late-bound.
// Numbers of matches and groups given to the members count from 1.
//
// Fields, in order: the expression object (empty until compile succeeds) and the match collection of the
// last execute (empty until then). A copy shares both.
//
// Apartment balance: each compile enters the apartment once, and the destructor leaves it once for every
// entry this instance made, so a copy, which makes none, leaves none.
//
// Every member gives false, 0 or empty text when the expression is missing, no execute has run, a number
// is out of range or the call fails.
class RegexObject {
public:
    static constexpr char kProgId[] = "VBScript.RegExp";

    RegexObject() = default;
    // Releases both objects, then leaves the apartment as the class comment says.
    ~RegexObject();
    // Shares both objects; enters no apartment.
    RegexObject(const RegexObject &other);
    RegexObject &operator=(const RegexObject &) = delete;

    // Makes a new expression object for the pattern in place of the old one; the matches of an earlier
    // execute stay readable. Without options the expression ignores case and finds every match.
    bool compile(const QByteArray &pattern, bool caseSensitive = false, bool global = true);
    bool test(const QByteArray &text) const;
    // Searches the text, replacing the kept matches; gives their number.
    int execute(const QByteArray &text);
    QByteArray matchValue(int match) const;
    int subMatchCount(int match) const;
    // The text of group `group` of match `match`; empty for a group that took no part.
    QByteArray subMatch(int match, int group) const;
    // Runs execute on the text, then replaces every occurrence of each match's text anywhere in the
    // text, not only where it matched, comparing ASCII letters with or without regard to case.
    QByteArray replace(const QByteArray &text, const QByteArray &replacement = {}, bool caseSensitive = true);

private:
    AutomationObject matchObject(int match) const;

    AutomationObject m_regex;
    AutomationObject m_matches;
    ApartmentEntries m_apartment;
};
