#include "platform/components/regexp/replacementtext.h"

namespace {

int digitAt(const QString &text, qsizetype index)
{
    return index < text.size() && text.at(index).isDigit() && text.at(index).unicode() < 128
               ? text.at(index).unicode() - '0'
               : -1;
}

// The group a "$" at `dollar` refers to and the characters it takes, or {0, 0}: two digits when they name
// a group, else one.
std::pair<int, qsizetype> groupReference(const QString &replacement, qsizetype dollar, int groupCount)
{
    const int first = digitAt(replacement, dollar + 1);
    if (first < 0)
        return {0, 0};
    const int second = digitAt(replacement, dollar + 2);
    if (second >= 0 && first * 10 + second >= 1 && first * 10 + second <= groupCount)
        return {first * 10 + second, 3};
    if (first >= 1 && first <= groupCount)
        return {first, 2};
    return {0, 0};
}

} // namespace

QString replacementText(const QString &replacement, const QString &subject, const PatternMatch &match)
{
    const TextSpan &whole = match.whole;
    QString text;
    for (qsizetype i = 0; i < replacement.size();) {
        const QChar next = i + 1 < replacement.size() ? replacement.at(i + 1) : QChar();
        if (replacement.at(i) != u'$' || next.isNull()) {
            text += replacement.at(i++);
        } else if (next == u'$') {
            text += u'$';
            i += 2;
        } else if (next == u'&') {
            text += whole.in(subject);
            i += 2;
        } else if (next == u'`') {
            text += subject.left(whole.start);
            i += 2;
        } else if (next == u'\'') {
            text += subject.mid(whole.start + whole.length);
            i += 2;
        } else if (const auto [group, taken] = groupReference(replacement, i, int(match.groups.size()));
                   taken) {
            text += match.groups.at(group - 1).in(subject);
            i += taken;
        } else {
            text += replacement.at(i++);
        }
    }
    return text;
}
