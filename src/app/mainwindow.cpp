#include "app/mainwindow.h"

#include "app/edgedock.h"
#include "app/globals.h"
#include "app/startup.h"
#include "lyrics/lyrictick.h"
#include "platform/toolkit/widgets/desktopservices.h"
#include "platform/toolkit/widgets/leftpresswatcher.h"
#include "platform/toolkit/widgets/picturebox.h"
#include "playback/favourites.h"
#include "playback/playbackcontrol.h"
#include "radio/songchange.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QShortcut>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

MainWindow::MainWindow(Globals &globals, LyricsWindow &lyricsWindow)
    : m_controls(buildMainWindow(this))
    , m_session{globals, lyricsWindow, m_controls, m_flow}
{
    wireHandlers();
}

void MainWindow::wireHandlers()
{
    MainControls &c = m_controls;
    LeftPressWatcher::watch(c.lyricLabel, [this] { onLyricLabelPressed(); });
    LeftPressWatcher::watch(c.playerPanel, [this] { onPlayerPanelPressed(); });
    LeftPressWatcher::watch(c.cover, [this] { onCoverPressed(); });
    LeftPressWatcher::watch(c.titleLabel, [this] { onTitlePressed(); });
    LeftPressWatcher::watch(c.channelLabel, [this] { onChannelLabelPressed(); });
    connect(c.settingsButton, &QToolButton::clicked, this, &MainWindow::onSettingsClicked);
    connect(c.dockTimer, &QTimer::timeout, this, &MainWindow::onDockTick);
    wireSongHandlers(m_session);
    wirePlaybackHandlers(m_session);
    wireFavouritesHandlers(m_session);
    wireLyricsHandlers(m_session);
    wireKeys();
}

// The keys a player answers to while the window has focus. Each clicks its control or runs the control's
// handler, so every rule of that handler applies.
void MainWindow::wireKeys()
{
    MainControls &c = m_controls;
    const auto onKeys = [this](std::initializer_list<QKeySequence> keys,
                               const std::function<void()> &handler) {
        for (const QKeySequence &key : keys)
            connect(new QShortcut(key, this), &QShortcut::activated, this, handler);
    };
    onKeys({Qt::Key_Space}, [&c] { (c.pauseButton->isHidden() ? c.resumeButton : c.pauseButton)->click(); });
    onKeys({Qt::Key_Right, QKeySequence(Qt::CTRL | Qt::Key_N)}, [&c] { c.nextButton->click(); });
    onKeys({QKeySequence::Copy}, [this] { onTitlePressed(); });
    onKeys({Qt::Key_L}, [&c] { c.lyricsButton->click(); });
    onKeys({Qt::Key_Escape}, [&c] {
        if (c.settingsPanel->x() == settingsOpen)
            c.settingsButton->click();
    });
}

void MainWindow::onCreated()
{
    runCreatedSteps(m_session);
}

void MainWindow::bringToFront()
{
    const QPoint target = undockedPosition(frameGeometry(), DesktopServices::screenSize());
    if (target != frameGeometry().topLeft())
        DesktopServices::moveWindow(this, target.x(), target.y());
    showNormal();
    raise();
    activateWindow();
}

void quitEventLoop()
{
    // Queued: quit() itself is lost when no loop runs yet.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (std::exchange(m_closed, true))
        return;
    willBeDestroyed();
    // The desktop lyrics window may still be shown; the program ends with this window all the same.
    quitEventLoop();
}

void MainWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange &&
        (windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized)))
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~(Qt::WindowFullScreen | Qt::WindowMaximized));
        });
}

void MainWindow::willBeDestroyed()
{
    runWillBeDestroyedSteps(m_session);
}

// Shared first steps of most clicks on the player panel.
void MainWindow::tidyUp()
{
    m_controls.volumeSlider->hide();
    m_controls.channelList->hide();
    m_controls.channelLabel->show();
}

void MainWindow::onLyricLabelPressed()
{
    tidyUp();
    if (m_controls.settingsPanel->x() == settingsOpen) {
        m_controls.settingsPanel->move(settingsHome, m_controls.settingsPanel->y());
        m_controls.settingsPanel->hide();
    }
}

void MainWindow::onPlayerPanelPressed()
{
    tidyUp();
    m_controls.settingsPanel->hide();
    if (m_controls.settingsPanel->x() == settingsOpen)
        m_controls.settingsPanel->move(settingsHome, m_controls.settingsPanel->y());
}

void MainWindow::onCoverPressed()
{
    tidyUp();
    m_controls.settingsPanel->hide();
    openAlbumPage(m_session);
}

void MainWindow::onTitlePressed()
{
    tidyUp();
    m_controls.settingsPanel->hide();
    if (m_controls.settingsPanel->x() == settingsHome)
        copySongInfo(m_session);
    else
        m_controls.settingsPanel->move(settingsHome, m_controls.settingsPanel->y());
}

void MainWindow::onChannelLabelPressed()
{
    const bool listHidden = m_controls.channelList->isHidden();
    m_controls.channelList->setVisible(listHidden);
    m_controls.channelLabel->setVisible(!listHidden);
    m_controls.settingsPanel->hide();
}

void MainWindow::onSettingsClicked()
{
    m_controls.volumeSlider->hide();
    QFrame *panel = m_controls.settingsPanel;
    if (panel->x() == settingsHome) {
        panel->show();
        panel->move(settingsOpen, panel->y());
    } else {
        panel->move(settingsHome, panel->y());
        panel->hide();
    }
}

void MainWindow::onDockTick()
{
    if (!isVisible())
        return;
    const QPoint target =
        edgeDock(frameGeometry(), DesktopServices::screenSize(), DesktopServices::cursorPosition());
    if (target != frameGeometry().topLeft())
        DesktopServices::moveWindow(this, target.x(), target.y());
}
