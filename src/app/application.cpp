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
    runEndOfProgramRoutine();
}

MainWindow &Application::openMainWindow()
{
    m_window = std::make_unique<MainWindow>(m_globals, *m_lyricsWindow);
    m_window->onCreated();
    // Closed by a signal during the created handler's waits: the quit it queued may have been taken by
    // those waits already, so the loop to come is told again.
    if (m_window->hasClosed())
        quitEventLoop();
    else
        m_window->show();
    return *m_window;
}

void Application::requestClose()
{
    if (m_window)
        m_window->close();
    else
        quitEventLoop();
}

void Application::exitCleanup()
{
    m_globals.player.reset();
    // The main window goes first, as its handlers reach the desktop lyrics object; that object owns its
    // own window and takes it along.
    m_window.reset();
    m_lyricsWindow.reset();
    m_globals.apiRequest.reset();
    m_globals.clearTexts();
}
