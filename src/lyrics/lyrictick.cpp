#include "lyrics/lyrictick.h"

#include "app/globals.h"
#include "app/mainwindowlayout.h"
#include "app/session.h"
#include "lyrics/lyriclookup.h"
#include "lyrics/lyricssettings.h"
#include "lyrics/lyricswindow.h"
#include "radio/jsonstring.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

namespace {

const QByteArray noMatchAnswer = "没有匹配到歌词.";
const QByteArray noLyricsText = "暂无歌词";
const QByteArray notScrollingText = "当前歌词不支持滚动";
const QByteArray shownFlag = "123";

// The label first; the desktop lyrics get what the label then holds.
void showLyric(Session &session, const QByteArray &text)
{
    QLabel *label = session.controls.lyricLabel;
    label->setText(QString::fromUtf8(text));
    session.lyricsWindow.setText(label->text().toUtf8(), 0);
}

} // namespace

void lyricTick(Session &session, const QByteArray &timeKey)
{
    const Globals &g = session.globals;
    if (g.lyricsAnswer.isEmpty() || g.lyricsAnswer == noMatchAnswer)
        return;
    const QByteArray line = findLyricLine(g.lyricsAnswer, timeKey);
    // The lookup runs on the answer's escaped JSON text; the line is shown with its escapes decoded, so
    // a quote reads " and not \".
    if (!line.isEmpty())
        showLyric(session, decodeJsonString(line));
    if (!g.lyricsAnswer.contains('['))
        showLyric(session, g.lyricsText == noLyricsText ? noLyricsText : notScrollingText);
}

void toggleDesktopLyrics(Session &session)
{
    Globals &g = session.globals;
    session.controls.volumeSlider->hide();
    if (g.lyricsShownFlag.isEmpty()) {
        session.lyricsWindow.show();
        g.lyricsShownFlag = shownFlag;
    } else {
        session.lyricsWindow.hide();
        g.lyricsShownFlag.clear();
    }
}

void wireLyricsHandlers(Session &session)
{
    const MainControls &c = session.controls;
    QObject::connect(c.lyricsButton, &QToolButton::clicked, c.window,
                     [&session] { toggleDesktopLyrics(session); });
    QObject::connect(c.applySettingsButton, &QPushButton::clicked, c.window,
                     [&session] { applyLyricsSettings(session); });
}
