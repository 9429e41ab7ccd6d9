#include "platform/toolkit/inidocument.h"

#include "platform/toolkit/inisyntax.h"
#include "platform/toolkit/legacytext.h"

#include <QVarLengthArray>

namespace {

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// A section or an entry as the index knows it: names lower-cased, as they match without regard to ASCII
// case, and an entry's key after its section's name and a line break, which no name holds. Built on the
// stack, so that a lookup allocates nothing.
class IndexId {
public:
    explicit IndexId(QByteArrayView section) { appendFolded(section); }
    IndexId(std::string_view foldedSection, QByteArrayView key)
    {
        m_id.append(foldedSection.data(), qsizetype(foldedSection.size()));
        m_id.append('\n');
        appendFolded(key);
    }

    std::string_view view() const { return {m_id.data(), std::size_t(m_id.size())}; }

private:
    void appendFolded(QByteArrayView name)
    {
        for (char c : name)
            m_id.append(asciiLower(c));
    }

    QVarLengthArray<char, 256> m_id;
};

// Calls lineFound for each line of the text; "\r\n", "\n" and "\r" each end one, and a break at the very
// end starts no further line.
template <typename LineFound> void forEachLine(QByteArrayView text, LineFound lineFound)
{
    qsizetype start = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c != '\n' && c != '\r')
            continue;
        lineFound(text.sliced(start, at - start));
        if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
            ++at;
        start = at + 1;
    }
    if (start < text.size())
        lineFound(text.sliced(start));
}

} // namespace

IniDocument::IniDocument()
    : m_blocks(1)
{
    m_sections.try_emplace(std::string(), 0);
}

std::optional<IniDocument> IniDocument::fromFileBytes(const QByteArray &bytes)
{
    static constexpr QByteArrayView byteOrderMark("\xEF\xBB\xBF");
    IniDocument document;
    document.m_loaded = bytes.isValidUtf8() ? bytes : gb18030ToUtf8(bytes);
    if (document.m_loaded.isEmpty() && !bytes.isEmpty())
        return std::nullopt;
    QByteArrayView text = document.m_loaded;
    // All of them: an editor may have put one before the one already there, and a second would be saved
    // as the start of the text, to be taken for a byte order mark at the next load.
    while (text.startsWith(byteOrderMark))
        text = text.sliced(byteOrderMark.size());
    forEachLine(text, [&document](QByteArrayView line) { document.addLine(line); });
    return document;
}

void IniDocument::addLine(QByteArrayView line)
{
    // A view into m_loaded, which lives as long as the document and never changes.
    const QByteArray kept = QByteArray::fromRawData(line.data(), line.size());
    const IniSyntax::Line parsed = IniSyntax::parse(line);
    if (parsed.kind == IniSyntax::Line::Kind::Section) {
        const IndexId id(parsed.name);
        m_blocks.push_back({kept, std::string(id.view()), {}, 0});
        m_sections.try_emplace(m_blocks.back().foldedName, m_blocks.size() - 1);
        return;
    }
    Block &block = m_blocks.back();
    if (parsed.kind == IniSyntax::Line::Kind::Other && block.lines.size() > block.entriesEnd) {
        // Lines that say nothing join the run before them, so that a file of empty lines or of junk costs
        // its size and not a line object per byte.
        block.lines.back().append('\n').append(line);
        return;
    }
    block.lines.push_back(kept);
    if (parsed.kind == IniSyntax::Line::Kind::Entry) {
        const IndexId id(block.foldedName, parsed.name);
        m_entries.try_emplace(std::string(id.view()), Place{m_blocks.size() - 1, block.lines.size() - 1});
        block.entriesEnd = block.lines.size();
    }
}

QByteArray IniDocument::value(QByteArrayView section, QByteArrayView key) const
{
    const auto found = m_entries.find(IndexId(IndexId(section).view(), key).view());
    if (found == m_entries.cend())
        return {};
    return IniSyntax::parse(m_blocks[found->second.block].lines[found->second.line]).value.toByteArray();
}

bool IniDocument::setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    if (!IniSyntax::isStorableSection(section) || !IniSyntax::isStorableKey(key))
        return false;
    const std::optional<QByteArray> stored = IniSyntax::storableValue(value);
    if (!stored)
        return false;
    const std::size_t blockIndex = blockFor(section);
    Block &block = m_blocks[blockIndex];
    const IndexId id(block.foldedName, key);
    if (const auto found = m_entries.find(id.view()); found != m_entries.end()) {
        QByteArray &line = m_blocks[found->second.block].lines[found->second.line];
        line = IniSyntax::entryLine(IniSyntax::parse(line).name, *stored);
        return true;
    }
    block.lines.insert(block.lines.begin() + qsizetype(block.entriesEnd), IniSyntax::entryLine(key, *stored));
    m_entries.try_emplace(std::string(id.view()), Place{blockIndex, block.entriesEnd});
    ++block.entriesEnd;
    return true;
}

std::size_t IniDocument::blockFor(QByteArrayView section)
{
    const IndexId id(section);
    if (const auto found = m_sections.find(id.view()); found != m_sections.end())
        return found->second;
    // A blank line between sections, as the profile functions leave it. A run of lines that ends in an
    // empty one ends with a line break.
    const Block &last = m_blocks.back();
    const QByteArray &lastItem = last.lines.empty() ? last.header : last.lines.back();
    if (!lastItem.isEmpty() && !lastItem.endsWith('\n'))
        m_blocks.back().lines.emplace_back();
    m_blocks.push_back({IniSyntax::sectionLine(section), std::string(id.view()), {}, 0});
    m_sections.try_emplace(m_blocks.back().foldedName, m_blocks.size() - 1);
    return m_blocks.size() - 1;
}

QByteArray IniDocument::text() const
{
    qsizetype size = 0;
    for (const Block &block : m_blocks) {
        size += block.header.isEmpty() ? 0 : block.header.size() + 1;
        for (const QByteArray &line : block.lines)
            size += line.size() + 1;
    }
    QByteArray text;
    text.reserve(size);
    for (const Block &block : m_blocks) {
        if (!block.header.isEmpty())
            text.append(block.header).append('\n');
        for (const QByteArray &line : block.lines)
            text.append(line).append('\n');
    }
    return text;
}
