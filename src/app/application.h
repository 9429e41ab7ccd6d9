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

    // Creates the main window, runs its created handler and shows it.
    MainWindow &openMainWindow();
    MainWindow *mainWindow() const { return m_window.get(); }
    Globals &globals() { return m_globals; }

    // Releases the global objects in declaration order: player, desktop lyrics, request object, texts.
    void exitCleanup();

private:
    Globals m_globals;
    std::optional<LyricsWindow> m_lyricsWindow;
    std::unique_ptr<MainWindow> m_window;
};
