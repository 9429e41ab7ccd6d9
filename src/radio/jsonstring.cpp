#include "radio/jsonstring.h"

#include <QString>

#include <algorithm>
#include <cctype>
#include <optional>

namespace {

std::optional<char16_t> hexUnit(QByteArrayView hex)
{
    bool ok = false;
    const uint value = hex.size() == 4 ? hex.toByteArray().toUInt(&ok, 16) : 0;
    // toUInt accepts a sign or spaces; JSON does not.
    for (char c : hex)
        ok = ok && std::isxdigit(static_cast<unsigned char>(c));
    return ok ? std::optional<char16_t>(static_cast<char16_t>(value)) : std::nullopt;
}

char simpleEscape(char c)
{
    switch (c) {
    case '"': return '"';
    case '\\': return '\\';
    case '/': return '/';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    default: return 0;
    }
}

// Reads one \uXXXX escape (with its low surrogate when it is a high one) at `at`, which points at 'u'.
// Appends its UTF-8 form and advances `at` past it; false when malformed.
bool decodeUnicodeEscape(QByteArrayView text, qsizetype &at, QByteArray &out)
{
    const std::optional<char16_t> unit = hexUnit(text.sliced(at + 1).first(std::min<qsizetype>(4, text.size() - at - 1)));
    if (!unit)
        return false;
    at += 5;
    QString decoded{QChar(*unit)};
    if (QChar::isHighSurrogate(*unit)) {
        if (at + 6 > text.size() || text[at] != '\\' || text[at + 1] != 'u')
            return false;
        const std::optional<char16_t> low = hexUnit(text.sliced(at + 2, 4));
        if (!low || !QChar::isLowSurrogate(*low))
            return false;
        decoded += QChar(*low);
        at += 6;
    } else if (QChar::isLowSurrogate(*unit)) {
        return false;
    }
    out += decoded.toUtf8();
    return true;
}

} // namespace

QByteArray decodeJsonString(QByteArrayView content)
{
    QByteArray out;
    out.reserve(content.size());
    for (qsizetype at = 0; at < content.size();) {
        const char c = content[at];
        if (c == '"' || static_cast<unsigned char>(c) < 0x20)
            return content.toByteArray();
        if (c != '\\') {
            out += c;
            ++at;
            continue;
        }
        if (at + 1 >= content.size())
            return content.toByteArray();
        const char escape = content[at + 1];
        if (escape == 'u') {
            ++at;
            if (!decodeUnicodeEscape(content, at, out))
                return content.toByteArray();
        } else if (const char plain = simpleEscape(escape)) {
            out += plain;
            at += 2;
        } else {
            return content.toByteArray();
        }
    }
    return out;
}
