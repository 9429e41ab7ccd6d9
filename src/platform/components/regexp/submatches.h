#pragma once

#include "platform/components/regexp/compiledpattern.h"

#include <QObject>
#include <QString>
#include <QVariant>

// The texts of one match's capturing groups, item(0) being group 1. A part of its match.
class SubMatches : public QObject {
    Q_OBJECT
    Q_PROPERTY(int count READ count)

public:
    SubMatches(const QString &subject, const PatternMatch &match, QObject *parent);

    int count() const { return int(m_match.groups.size()); }
    // The group's text; an empty value for a group that took no part, nothing for an index out of range.
    Q_INVOKABLE QVariant item(int index) const;

private:
    QString m_subject;
    PatternMatch m_match;
};
