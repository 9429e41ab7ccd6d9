#pragma once

struct Globals;
struct MainControls;
class LyricsWindow;
class SongFlow;

// What every handler of the main window works on: the program-wide state, the desktop lyrics, the
// window's controls and the chain of radio requests.
struct Session {
    Globals &globals;
    LyricsWindow &lyricsWindow;
    MainControls &controls;
    SongFlow &flow;
};
