#include "wrappers/responsecookies.h"

#include "platform/toolkit/markersearch.h"
#include "wrappers/httprequest.h"
#include "wrappers/scriptengine.h"

#include <QString>

namespace {

constexpr char kSubsStatement[] =
    "function Subs(t,s,e){var c;c=t.indexOf(s)+s.length;return(t.substr(c,t.indexOf(e,c)-c));}";

constexpr char kLineEnd[] = "\r\n";

// The value after `marker` in its header line, up to the first ";" or the line's end. The line's end bounds
// it so that a cookie without attributes does not take in the header lines after it.
QByteArray cookieAfter(const QByteArray &headers, const QByteArray &marker)
{
    const QByteArray rest = scriptTextBetween(headers + kLineEnd, marker, kLineEnd);
    const qsizetype semicolon = rest.indexOf(';');
    return semicolon < 0 ? rest : rest.first(semicolon);
}

// The new value a "name=..." line gives: up to its first ";", empty for a deletion; the whole rest when the
// line has no attributes.
QByteArray valueInLine(const QByteArray &line, const QByteArray &name)
{
    if (line.indexOf(';', name.size()) < 0)
        return HttpRequest::textBetween(line, name + '=');
    if (line.contains("deleted; expires="))
        return {};
    return HttpRequest::textBetween(line, name + '=', ";");
}

// Where the pair of that name starts in the kept cookies: at their start or right after a ";", so that a
// name is never taken for the end of a longer one ("id" inside "xid=1;"). -1 when it is not kept.
qsizetype keptPairOf(const QByteArray &kept, const QByteArray &name)
{
    const QByteArray key = name + '=';
    for (qsizetype at = findMarker(kept, key, 0); at >= 0; at = findMarker(kept, key, at + 1)) {
        if (at == 0 || kept.at(at - 1) == ';')
            return at;
    }
    return -1;
}

// Gives the kept pair of that name the new value, adds it when it is new, removes it when the value is empty.
void keepCookie(QByteArray &kept, const QByteArray &name, const QByteArray &value)
{
    const QByteArray pair = value.isEmpty() ? QByteArray() : name + '=' + value + ';';
    const qsizetype at = keptPairOf(kept, name);
    if (at < 0) {
        kept.append(pair);
        return;
    }
    const qsizetype end = kept.indexOf(';', at + name.size() + 1);
    kept.replace(at, (end < 0 ? kept.size() : end + 1) - at, pair);
}

} // namespace

QByteArray scriptTextBetween(const QByteArray &text, const QByteArray &left, const QByteArray &right)
{
    // The script's function would start before the text when the left marker is missing; that case is
    // answered here, comparing the texts as the script sees them.
    if (!QString::fromUtf8(text).contains(QString::fromUtf8(left)))
        return {};
    ScriptEngine engine;
    engine.setLanguage();
    engine.executeStatement(kSubsStatement);
    const AutomationVariant arguments[] = {text, left, right};
    return engine.run("Subs", arguments).asText();
}

QByteArray HttpRequest::cookieValue(const QByteArray &name) const
{
    const QByteArray headers = m_request.readText("GetAllResponseHeaders");
    const QByteArray value = cookieAfter(headers, "Set-Cookie: " + name + '=');
    return value.isEmpty() ? cookieAfter(headers, "Set-Cookie:" + name + '=') : value;
}

QByteArray HttpRequest::setCookieLines() const
{
    const QByteArray headers = m_request.readText("GetAllResponseHeaders");
    QByteArray lines;
    for (qsizetype from = 0; from < headers.size();) {
        qsizetype end = headers.indexOf(kLineEnd, from);
        if (end < 0)
            end = headers.size();
        const QByteArrayView line = QByteArrayView(headers).sliced(from, end - from);
        if (line.startsWith("Set-Cookie:"))
            lines.append(line).append(kLineEnd);
        from = end + 2;
    }
    return lines;
}

QByteArray HttpRequest::mergeResponseCookies()
{
    const QByteArray headers = allResponseHeaders();
    qsizetype position = 0;
    for (;;) {
        // Only lines with one blank after the colon count; the search goes on from the line's end.
        const QByteArray line = textBetween(headers, "Set-Cookie: ", kLineEnd, position, false, &position);
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            break;
        const QByteArray name = line.first(equals);
        keepCookie(m_keptCookies, name, valueInLine(line, name));
    }
    return m_keptCookies;
}

void HttpRequest::sendKeptCookies()
{
    setHeader("Cookie", m_keptCookies);
}
