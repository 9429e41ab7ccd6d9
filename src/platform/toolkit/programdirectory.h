#pragma once

#include <QString>

// Where Quorin keeps its files: $XDG_CONFIG_HOME/quorin, or ~/.config/quorin when that variable is unset,
// empty or relative. No trailing separator. The directory is not created here; the first save makes it.
QString programDirectory();

// True when path names an existing file (a directory does not count).
bool fileExists(const QString &path);
