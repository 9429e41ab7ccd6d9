#pragma once

#include "app/mainwindowlayout.h"
#include "app/session.h"
#include "radio/songflow.h"

#include <QWidget>

// Ends the running event loop, or the first one to run when none runs yet.
void quitEventLoop();

// The main window: its controls, their handlers, and its created and will-be-destroyed steps.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(Globals &globals, LyricsWindow &lyricsWindow);

    const MainControls &controls() const { return m_controls; }
    Session &session() { return m_session; }

    // The created handler: runs once, after the controls exist and before the message loop.
    void onCreated();
    // Shows the window in front of the others, brought back in full when it hides at a screen edge.
    void bringToFront();
    // True once the window has been closed; it is not shown again.
    bool hasClosed() const { return m_closed; }

protected:
    // The will-be-destroyed handler runs here, then the program's message loop ends.
    void closeEvent(QCloseEvent *event) override;
    // The layout has one size: a window manager's full screen or maximize (some offer it to any window)
    // is turned back at once.
    void changeEvent(QEvent *event) override;

private:
    void wireHandlers();
    void wireKeys();
    void tidyUp();
    void onLyricLabelPressed();
    void onPlayerPanelPressed();
    void onCoverPressed();
    void onTitlePressed();
    void onChannelLabelPressed();
    void onSettingsClicked();
    void onDockTick();
    void willBeDestroyed();

    MainControls m_controls;
    SongFlow m_flow;
    Session m_session;
    bool m_closed = false;
};
