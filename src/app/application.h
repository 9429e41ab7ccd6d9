#pragma once

#include "app/globals.h"
#include "lyrics/lyricswindow.h"

#include <memory>
#include <optional>

class MainWindow;

// The program: its global objects and state, made and released in their order, and the main window.
class Application {
public:
    Application();
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    // Creates the main window, runs its created handler and shows it, unless it was closed meanwhile.
    MainWindow &openMainWindow();
    // Closes the main window as the user would, or ends the program when there is none yet. The end of the
    // event loop is queued, so a request that comes before the loop runs (a signal during start-up) still
    // ends it as soon as it starts.
    void requestClose();
    MainWindow *mainWindow() const { return m_window.get(); }
    Globals &globals() { return m_globals; }

    // Releases the global objects in declaration order: player, desktop lyrics, request object, texts. It
    // is the end-of-program routine, so it runs once, at the program's end or with this object.
    void exitCleanup();

private:
    Globals m_globals;
    std::optional<LyricsWindow> m_lyricsWindow;
    std::unique_ptr<MainWindow> m_window;
};
