#pragma once

class MainWindow;
class MprisService;

// Shows the player to the desktop's media controls (MPRIS2 on the session bus): the song with its lyrics,
// the player's state and the volume, announced as they change; the controls' buttons click the window's
// own. Null, and nothing else happens, when there is no session bus. The service lives with the window.
MprisService *attachMediaControls(MainWindow &window);
