#pragma once

#include "platform/components/regexp/compiledpattern.h"

#include <QObject>
#include <QString>

class SubMatches;

// One match of an expression: its text, where it starts (0-based, in UTF-16 code units, as the platform
// object counts) and its length, and the texts of its groups. A part of its match collection.
class RegExpMatch : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString value READ value)
    Q_PROPERTY(int firstIndex READ firstIndex)
    Q_PROPERTY(int length READ length)
    Q_PROPERTY(QObject *subMatches READ subMatches)

public:
    RegExpMatch(const QString &subject, const PatternMatch &match, QObject *parent);

    QString value() const { return m_match.whole.in(m_subject); }
    int firstIndex() const { return int(m_match.whole.start); }
    int length() const { return int(m_match.whole.length); }
    // Made on first use: a reader of thousands of matches seldom asks every one for its groups.
    QObject *subMatches();

private:
    QString m_subject;
    PatternMatch m_match;
    SubMatches *m_subMatches = nullptr;
};
