// The INI round trip: any file loads and saves again with every line it had, every entry in it can be
// read, and every name and value that setValue accepts reads back after a save and a load.
#include "platform/toolkit/inidocument.h"
#include "platform/toolkit/inisyntax.h"
#include "platform/toolkit/legacytext.h"

#include <QByteArray>
#include <QList>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <utility>

namespace {

using EntryName = std::pair<QByteArray, QByteArray>; // section and key, lower-cased

// Stops the run with the rule that broke.
void require(bool condition, const char *rule)
{
    if (condition)
        return;
    std::fprintf(stderr, "broken: %s\n", rule);
    std::abort();
}

// The lines of a text as any reader splits them.
QList<QByteArray> linesOf(QByteArray text)
{
    text.replace("\r\n", "\n").replace('\r', '\n');
    QList<QByteArray> lines = text.split('\n');
    if (lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

// What the file says as text: the document must keep every one of these lines.
QByteArray decoded(const QByteArray &file)
{
    QByteArray text = file.isValidUtf8() ? file : gb18030ToUtf8(file);
    while (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    return text;
}

// The first value of every entry of a saved text, by its names.
std::map<EntryName, QByteArray> entriesOf(const QByteArray &text)
{
    std::map<EntryName, QByteArray> entries;
    QByteArray section;
    for (const QByteArray &line : linesOf(text)) {
        const IniSyntax::Line parsed = IniSyntax::parse(line);
        if (parsed.kind == IniSyntax::Line::Kind::Section)
            section = parsed.name.toByteArray().toLower();
        else if (parsed.kind == IniSyntax::Line::Kind::Entry)
            entries.try_emplace({section, parsed.name.toByteArray().toLower()}, parsed.value.toByteArray());
    }
    return entries;
}

void requireEveryEntryReads(const IniDocument &document, const QByteArray &text)
{
    for (const auto &[name, value] : entriesOf(text))
        require(document.value(name.first, name.second) == value, "every entry of the file reads");
}

// Saved, loaded and saved again: the same text, valid UTF-8, nothing added.
IniDocument reloaded(const QByteArray &saved)
{
    require(saved.isValidUtf8(), "saved as UTF-8");
    std::optional<IniDocument> document = IniDocument::fromFileBytes(saved);
    require(document.has_value() && document->text() == saved, "a reload saves the same text");
    return std::move(*document);
}

// A value that setValue must store as it is: what it changes are invalid UTF-8, line breaks and blanks
// at either end.
bool isPlainValue(const QByteArray &value)
{
    for (QByteArrayView blank : {" ", "\t", "\xEF\xBB\xBF"}) {
        if (value.startsWith(blank) || value.endsWith(blank))
            return false;
    }
    return value.isValidUtf8() && !value.contains('\r') && !value.contains('\n');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider input(bytes, size);
    const std::string fileText = input.ConsumeRandomLengthString();
    const QByteArray file(fileText.data(), qsizetype(fileText.size()));
    std::optional<IniDocument> document = IniDocument::fromFileBytes(file);
    if (!document)
        return 0;

    const QByteArray saved = document->text();
    require(linesOf(saved) == linesOf(decoded(file)), "every line is kept");
    requireEveryEntryReads(*document, saved);
    requireEveryEntryReads(reloaded(saved), saved);

    std::map<EntryName, QByteArray> written;
    for (int step = 0; step < 8 && input.remaining_bytes() > 0; ++step) {
        const std::string section = input.ConsumeRandomLengthString(24);
        const std::string key = input.ConsumeRandomLengthString(24);
        const QByteArray value = QByteArray::fromStdString(input.ConsumeRandomLengthString(48));
        const QByteArray before = document->text();
        if (!document->setValue(section, key, value)) {
            require(document->text() == before, "a refused value changes nothing");
            continue;
        }
        require(IniSyntax::isStorableSection(section) && IniSyntax::isStorableKey(key),
                "only storable names");
        const QByteArray readBack = document->value(section, key);
        require(!isPlainValue(value) || readBack == value, "a plain value reads back as written");
        written[{QByteArray::fromStdString(section).toLower(), QByteArray::fromStdString(key).toLower()}] =
            readBack;
    }
    const IniDocument after = reloaded(document->text());
    for (const auto &[name, value] : written)
        require(after.value(name.first, name.second) == value, "a value written reads back after a reload");
    return 0;
}
