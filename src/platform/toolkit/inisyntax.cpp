#include "platform/toolkit/inisyntax.h"

#include <QString>
#include <QVarLengthArray>

#include <initializer_list>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\0';
}

// U+FEFF, a byte order mark: one is left inside a file made by joining files that started with one.
constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

QByteArrayView withoutBlanks(QByteArrayView text)
{
    for (;;) {
        if (!text.isEmpty() && isBlank(text.front()))
            text = text.sliced(1);
        else if (text.startsWith(kByteOrderMark))
            text = text.sliced(kByteOrderMark.size());
        else if (!text.isEmpty() && isBlank(text.back()))
            text.chop(1);
        else if (text.endsWith(kByteOrderMark))
            text.chop(kByteOrderMark.size());
        else
            return text;
    }
}

// What no single line can hold, or what a lookup by these bytes would never find.
bool isPlainName(QByteArrayView name)
{
    return name.isValidUtf8() && !name.contains('\0') && !name.contains('\r') && !name.contains('\n');
}

// Whether the line made of these parts reads as `name` of that kind. Composed on the stack: it runs for
// every key set, 16,000 of them in a large favourites list.
bool readsBackAs(std::initializer_list<QByteArrayView> parts, IniSyntax::Line::Kind kind, QByteArrayView name)
{
    QVarLengthArray<char, 256> line;
    for (QByteArrayView part : parts)
        line.append(part.data(), part.size());
    const IniSyntax::Line parsed = IniSyntax::parse(QByteArrayView(line.data(), line.size()));
    return parsed.kind == kind && parsed.name == name;
}

} // namespace

IniSyntax::Line IniSyntax::parse(QByteArrayView line)
{
    const QByteArrayView text = withoutBlanks(line);
    if (text.startsWith('[')) {
        QByteArrayView name = text.sliced(1);
        if (const qsizetype close = name.indexOf(']'); close >= 0)
            name = name.first(close);
        return {Line::Kind::Section, withoutBlanks(name), {}};
    }
    if (text.startsWith(';') || text.startsWith('#'))
        return {};
    // The text starts with neither a blank nor "=" here, so a key found is never empty.
    const qsizetype equals = text.indexOf('=');
    if (equals <= 0)
        return {};
    return {Line::Kind::Entry, withoutBlanks(text.first(equals)), withoutBlanks(text.sliced(equals + 1))};
}

QByteArray IniSyntax::sectionLine(QByteArrayView name)
{
    return '[' + name.toByteArray() + ']';
}

QByteArray IniSyntax::entryLine(QByteArrayView key, QByteArrayView value)
{
    QByteArray line;
    line.reserve(key.size() + 1 + value.size());
    return line.append(key).append('=').append(value);
}

bool IniSyntax::isStorableSection(QByteArrayView name)
{
    return isPlainName(name) && readsBackAs({"[", name, "]"}, Line::Kind::Section, name);
}

bool IniSyntax::isStorableKey(QByteArrayView key)
{
    return isPlainName(key) && readsBackAs({key, "="}, Line::Kind::Entry, key);
}

std::optional<QByteArray> IniSyntax::storableValue(QByteArrayView value)
{
    if (value.contains('\0'))
        return std::nullopt;
    QByteArray text = value.isValidUtf8() ? value.toByteArray() : QString::fromUtf8(value).toUtf8();
    text.replace('\r', ' ').replace('\n', ' ');
    const QByteArrayView trimmed = withoutBlanks(text);
    return trimmed.size() == text.size() ? text : trimmed.toByteArray();
}
