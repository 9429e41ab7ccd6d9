#include "app/application.h"

#include "app/mainwindow.h"
#include "platform/components/platformcomponents.h"
#include "platform/toolkit/endofprogram.h"

Application::Application()
{
    registerPlatformComponents();
    m_globals.player.emplace();
    m_lyricsWindow.emplace();
    m_globals.apiRequest.emplace();
    setEndOfProgramRoutine([this] { exitCleanup(); });
    registerLyricsWindowClass();
}

Application::~Application()
{
    exitCleanup();
}

MainWindow &Application::openMainWindow()
{
    m_window = std::make_unique<MainWindow>(m_globals, *m_lyricsWindow);
    m_window->onCreated();
    m_window->show();
    return *m_window;
}

void Application::exitCleanup()
{
    m_globals.player.reset();
    // The desktop lyrics window goes with the main window's widgets; only the object's own data here.
    m_window.reset();
    m_lyricsWindow.reset();
    m_globals.apiRequest.reset();
    m_globals.clearTexts();
}
