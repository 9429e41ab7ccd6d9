#pragma once

struct Globals;
struct MainControls;
class LyricsWindow;

// What every handler of the main window works on: the program-wide state, the desktop lyrics and the
// window's controls.
struct Session {
    Globals &globals;
    LyricsWindow &lyricsWindow;
    MainControls &controls;
};
