#pragma once

#include "platform/components/regexp/compiledpattern.h"

#include <QList>
#include <QObject>
#include <QString>

class RegExpMatch;

// The matches one Execute found, in the order found; item(0) is the first. The matches are its parts: a
// handle to one keeps the whole collection alive.
class MatchCollection : public QObject {
    Q_OBJECT
    Q_PROPERTY(int count READ count)

public:
    MatchCollection(const QString &subject, QList<PatternMatch> matches);

    int count() const { return int(m_matches.size()); }
    // Null for an index out of range.
    Q_INVOKABLE QObject *item(int index);

private:
    QString m_subject;
    QList<PatternMatch> m_matches;
    // Match objects are made on first use, one per index, so a large collection costs little until read.
    QList<RegExpMatch *> m_items;
};
