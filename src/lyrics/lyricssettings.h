#pragma once

#include <QString>

struct Session;

// Path of the lyrics settings file in the program's directory.
QString lyricsSettingsPath();

// Fills the settings panel from the file, when it exists, and gives the desktop lyrics that look.
void loadLyricsSettings(Session &session);
// The panel's apply button: the desktop lyrics take the panel's look, the file keeps it, and the panel
// slides out of the window. Handles events during two short waits.
void applyLyricsSettings(Session &session);
// Writes the settings panel's state to the file.
void saveLyricsSettings(Session &session);
