#pragma once

#include <QString>

struct Session;

// Path of the lyrics settings file in the program's directory.
QString lyricsSettingsPath();

// Fills the settings panel from the file, when it exists, and gives the desktop lyrics that look.
void loadLyricsSettings(Session &session);
// Writes the settings panel's state to the file.
void saveLyricsSettings(Session &session);
