#pragma once

#include "platform/components/regexp/pcre2handles.h"

#include <QList>
#include <QString>

#include <optional>

// A stretch of a subject in UTF-16 code units; `start` is -1 for a group that took no part in the match.
struct TextSpan {
    qsizetype start = -1;
    qsizetype length = 0;

    bool isSet() const { return start >= 0; }
    QString in(const QString &subject) const { return isSet() ? subject.mid(start, length) : QString(); }
};

// One match: the whole matched stretch and one span per capturing group of the pattern.
struct PatternMatch {
    TextSpan whole;
    QList<TextSpan> groups;
};

// A regular expression compiled with the syntax and semantics of JavaScript (the platform's expression
// object follows them): \d, \w and \b are ASCII, a back reference to a group that took no part matches
// empty text, "\uhhhh" is a character, "[^]" matches anything, "$" outside multiline mode matches only at
// the very end, and "." stops at a line break.
//
// A search is bounded: a pattern that backtracks catastrophically reaches PCRE2's match, depth or stack
// limit instead of running on, and what it was looking for then counts as no match.
class CompiledPattern {
public:
    // Nothing when the pattern is not valid.
    static std::optional<CompiledPattern> compile(const QString &pattern, bool ignoreCase, bool multiline);

    // The matches from the start of the subject, in the order found: every one, or with `all` false at
    // most the first. After an empty match the search goes on one character further, as in JavaScript.
    // A search that reaches a limit ends there with the matches found before.
    QList<PatternMatch> find(const QString &subject, bool all) const;

    int groupCount() const { return m_groupCount; }

private:
    CompiledPattern(Pcre2Code code, bool jitCompiled);

    Pcre2Code m_code;
    bool m_jitCompiled;
    int m_groupCount = 0;
};
