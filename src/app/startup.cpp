#include "app/startup.h"

#include "app/globals.h"
#include "app/mainwindowlayout.h"
#include "app/session.h"
#include "lyrics/lyricssettings.h"
#include "lyrics/lyricswindow.h"
#include "platform/toolkit/eventwait.h"
#include "playback/favourites.h"
#include "radio/servicerequests.h"
#include "radio/songflow.h"

#include <QLabel>
#include <QSlider>
#include <QWidget>

namespace {
constexpr int startupWaitMs = 60;
} // namespace

void runCreatedSteps(Session &session)
{
    Globals &g = session.globals;
    MainControls &c = session.controls;
    c.window->setFixedSize(c.window->width(), 240);
    g.lyricsShownFlag.clear();
    g.channelId = "-10";
    c.hintLabel->setText(QStringLiteral("音量：%1").arg(c.volumeSlider->value()));

    session.lyricsWindow.createWindow();
    session.lyricsWindow.setDragMove(true);
    session.lyricsWindow.setNoClose(true);
    session.lyricsWindow.hide();
    session.lyricsWindow.setText("欢迎进入Quorin");

    loadLyricsSettings(session);
    waitWithEvents(startupWaitMs);
    loadFavourites(c);
    waitWithEvents(startupWaitMs);
    showFavouritesCount(c);

    session.flow.startWhenFree([&session](auto finish) {
        fetchChannelInfo(session.globals, session.controls.window, [&session, finish] {
            session.controls.channelLabel->setText(QStringLiteral("豆瓣精选 MHz"));
            finish();
        });
    });
}

void runWillBeDestroyedSteps(Session &session)
{
    saveLyricsSettings(session);
    saveFavourites(session.controls);
}
