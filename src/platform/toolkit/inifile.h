#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>

// One INI file in memory with the rules of Windows profile strings: section and key names match without
// regard to (ASCII) case, an updated key keeps its place, a new key goes to the end of its section and a
// new section to the end of the file. Blanks around a value are not part of it: they are trimmed at load,
// as the profile functions do, and so setValue drops them too. Every line loaded is saved again, comments
// and lines that say nothing included. Text is UTF-8; a file that is not valid UTF-8 is read as GBK (what
// the original Windows program wrote) and saved as UTF-8. Callers that write many keys should use one
// IniFile and one save().
class IniFile {
public:
    // Loads the file; a missing file gives an empty one.
    explicit IniFile(const QString &path);
    ~IniFile();
    IniFile(const IniFile &) = delete;
    IniFile &operator=(const IniFile &) = delete;

    // The stored text, or "" when the section or key is missing.
    QByteArray value(QByteArrayView section, QByteArrayView key) const;
    // Sets the text, making the section or key when missing. False, with nothing changed, for a name that
    // would not read back as itself (empty key; invalid UTF-8; a NUL byte or a line break; blanks at
    // either end; "]" in a section name; "=" in a key or a key that starts as a comment or a header) and
    // for a value holding a NUL byte. Line breaks in a value become spaces and invalid UTF-8 becomes
    // U+FFFD.
    bool setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value);
    // Writes the whole file atomically (the old content or the new one survives a crash), "key=value"
    // lines, UTF-8 without a byte order mark; a symbolic link is kept and its target replaced. False when
    // it could not be written, or when the file existed but could not be read: saving then would destroy
    // what it holds.
    bool save();

private:
    struct Data;
    QString m_path;
    std::unique_ptr<Data> m_data;
};
