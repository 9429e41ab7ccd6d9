#include "lyrics/lyricswindowprocedure.h"

#include "lyrics/lyricswindow.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <QWindow>

#include <functional>

namespace {

// Watches the application for the request to quit, which reaches only the application's own filters.
class QuitWatcher : public QObject {
public:
    QuitWatcher(QObject *parent, std::function<void()> onQuit)
        : QObject(parent)
        , m_onQuit(std::move(onQuit))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Quit && watched == qGuiApp)
            m_onQuit();
        return false;
    }

private:
    std::function<void()> m_onQuit;
};

} // namespace

LyricsWindowProcedure::LyricsWindowProcedure(LyricsWindow &lyrics, QWidget *window)
    : QObject(window)
    , m_lyrics(lyrics)
    , m_window(window)
{
    window->installEventFilter(this);
    // The end of the program or of the session must be able to close the window: quitting asks every
    // window to close (and a refusal would cancel the quit), and the session manager asks the application
    // to save its data before logging out or shutting down.
    qGuiApp->installEventFilter(new QuitWatcher(this, [this] { allowClose(); }));
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &LyricsWindowProcedure::allowClose);
}

bool LyricsWindowProcedure::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        drag(static_cast<QMouseEvent *>(event));
        return false;
    case QEvent::Close:
        if (!m_window->property(noCloseProperty).toBool())
            return false;
        event->ignore();
        return true;
    case QEvent::Paint:
        paintFrame();
        return true;
    default:
        return false;
    }
}

void LyricsWindowProcedure::drag(const QMouseEvent *event)
{
    const QPoint pointer = event->globalPosition().toPoint();
    if (event->type() == QEvent::MouseButtonPress) {
        if (event->button() != Qt::LeftButton || !m_window->property(hitMoveProperty).toBool())
            return;
        // The window manager moves the window where it can; without one, or with one that does not take
        // the request, the window follows the pointer itself.
        QWindow *native = m_window->windowHandle();
        if (!native || !native->startSystemMove())
            m_dragOffset = pointer - m_window->pos();
    } else if (event->type() == QEvent::MouseMove && m_dragOffset && (event->buttons() & Qt::LeftButton)) {
        m_window->move(pointer - *m_dragOffset);
    } else if (event->type() == QEvent::MouseButtonRelease) {
        m_dragOffset.reset();
    }
}

void LyricsWindowProcedure::paintFrame()
{
    // Qt clears a translucent window to transparent and clips to the damaged area before this; the frame
    // carries its own alpha and replaces what is there.
    QPainter painter(m_window);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPointF(0, 0), m_lyrics.frame());
}

void LyricsWindowProcedure::allowClose()
{
    m_window->setProperty(noCloseProperty, false);
}
