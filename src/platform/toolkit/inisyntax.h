#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// How one line of an INI file reads, and which names and values can be written so that they read back.
// Both directions live here so that they cannot disagree.
namespace IniSyntax {

// What one line says. Views point into the line given to parse().
struct Line {
    enum class Kind { Other, Section, Entry };
    Kind kind = Kind::Other;
    QByteArrayView name;  // section name or key, without the blanks around it
    QByteArrayView value; // an entry's value, without the blanks around it
};

// Reads one line (without its line break). "[name]" starts a section, and so does "[name" without its
// "]", as a torn write or a hand edit leaves it; "key=value" is an entry; a line starting with ";" or "#",
// a line without "=" and one with an empty key are kept but say nothing. Blanks around a name or value are
// not part of it: spaces, tabs, NUL bytes (what a crash can leave in a file) and U+FEFF.
Line parse(QByteArrayView line);

// The header line for a section and the line for an entry.
QByteArray sectionLine(QByteArrayView name);
QByteArray entryLine(QByteArrayView key, QByteArrayView value);

// Whether a name, written as a header or a key, reads back as itself: valid UTF-8 (names are looked up
// byte for byte) without NUL bytes, line breaks or blanks at either end; no "]" in a section name; no "="
// in a key, nor a start that makes it a comment or a header.
bool isStorableSection(QByteArrayView name);
bool isStorableKey(QByteArrayView key);

// The value as it is stored and read back: invalid UTF-8 becomes U+FFFD, line breaks become spaces (a
// song title from the network must not add lines of its own to the file) and the blanks at either end,
// which no reader would see, are dropped. Nothing for a value holding a NUL byte: cutting it there would
// store something else than was asked.
std::optional<QByteArray> storableValue(QByteArrayView value);

} // namespace IniSyntax
