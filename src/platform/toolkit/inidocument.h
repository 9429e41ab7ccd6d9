#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The lines of an INI file and an index of its names, with the lookup and update rules of Windows
// profile strings; IniFile adds the file. Every line is kept as it was read, comments and lines that say
// nothing included, so a save gives back all that was loaded except the entries set since. A key found
// more than once in a section (or in sections of the same name) means its first occurrence.
class IniDocument {
public:
    // An empty document.
    IniDocument();

    // The document a file's bytes hold: UTF-8 with or without a byte order mark, or, when the bytes are
    // not valid UTF-8, GB18030 (what the original Windows program wrote). Nothing when they could not be
    // decoded at all.
    static std::optional<IniDocument> fromFileBytes(const QByteArray &bytes);

    // The value of the key's first occurrence, or "" when the section or key is missing.
    QByteArray value(QByteArrayView section, QByteArrayView key) const;
    // Rewrites the key's line with its spelling kept, or adds the key after the last entry of the
    // section's first block, or the section at the end of the document. False, with nothing changed, for
    // a name or a value that would not read back (see IniSyntax).
    bool setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value);

    // The whole text as saved: UTF-8 without a byte order mark, each line ended by "\n".
    QByteArray text() const;

private:
    // A section header and the lines after it up to the next header. The first block has no header: it
    // holds the lines before the first one. Each item of `lines` is an entry's line, or a run of other
    // lines joined by line breaks.
    struct Block {
        QByteArray header;
        std::string foldedName;
        std::vector<QByteArray> lines;
        // Where the next new key goes: after the block's last entry, before the blank lines and comments
        // that end it. Only runs move when a key is put there, so no indexed place moves.
        std::size_t entriesEnd = 0;
    };
    struct Place {
        std::size_t block;
        std::size_t line;
    };
    // Looked up by views, so that a lookup allocates nothing.
    struct IdHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view id) const { return std::hash<std::string_view>()(id); }
    };
    template <typename Value> using Index = std::unordered_map<std::string, Value, IdHash, std::equal_to<>>;

    void addLine(QByteArrayView line);
    // The section's first block, made at the end of the document when missing.
    std::size_t blockFor(QByteArrayView section);

    // The decoded text of the file; the lines loaded are views into it.
    QByteArray m_loaded;
    std::vector<Block> m_blocks;
    // Folded section name: its first block.
    Index<std::size_t> m_sections;
    // Folded section name, "\n", folded key: the key's first occurrence.
    Index<Place> m_entries;
};
