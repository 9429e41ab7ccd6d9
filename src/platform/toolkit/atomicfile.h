#pragma once

#include <QByteArrayView>
#include <QString>

namespace AtomicFile {

// The step that puts the finished file in place; rename(2) unless a test needs it to fail.
using RenameFunction = int (*)(const char *from, const char *to);

// Replaces the file at path with data so that a crash at any moment leaves either the old content or the
// new one: a temporary file in the same directory is written, flushed and synced, then renamed over the
// target, and the directory is synced. The directory is made when missing. A symbolic link is kept: the
// file it points to is the one replaced. False on any failure; the target is then untouched and the
// temporary file removed.
bool write(const QString &path, QByteArrayView data, RenameFunction renameFile = ::rename);

} // namespace AtomicFile
