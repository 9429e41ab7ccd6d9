#pragma once

#include "app/mainwindowlayout.h"
#include "app/session.h"

#include <QWidget>

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

protected:
    // The will-be-destroyed handler runs here, then the program's message loop ends.
    void closeEvent(QCloseEvent *event) override;

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
    Session m_session;
};
