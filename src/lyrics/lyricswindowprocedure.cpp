#include "lyrics/lyricswindowprocedure.h"

#include "lyrics/lyricswindow.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <QWindow>

LyricsWindowProcedure::LyricsWindowProcedure(LyricsWindow &lyrics, QWidget *window)
    : QObject(window)
    , m_lyrics(lyrics)
    , m_window(window)
{
    window->installEventFilter(this);
    // Logging out or shutting down must be able to close the window: the session manager asks the
    // application to save its data first, and the program's own end passes through aboutToQuit.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &LyricsWindowProcedure::allowClose);
    connect(qGuiApp, &QCoreApplication::aboutToQuit, this, &LyricsWindowProcedure::allowClose);
}

bool LyricsWindowProcedure::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton &&
            m_window->property(hitMoveProperty).toBool() && m_window->windowHandle())
            m_window->windowHandle()->startSystemMove();
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
