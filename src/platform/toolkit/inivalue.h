#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Single profile strings, with the rules of IniFile. Each call loads the file (and a write saves it), so
// code that touches many keys should use one IniFile instead.

// The stored text, or "" when the file, the section or the key is missing.
QByteArray readIniValue(const QString &path, QByteArrayView section, QByteArrayView key);

// Stores the text, making the file, section or key when missing. False when it could not be saved.
bool writeIniValue(const QString &path, QByteArrayView section, QByteArrayView key, QByteArrayView value);
