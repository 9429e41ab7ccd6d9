#include "platform/toolkit/widgets/desktopservices.h"

#include "platform/toolkit/curlsupport.h"

#include <QClipboard>
#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWidget>

QSize DesktopServices::screenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

QPoint DesktopServices::cursorPosition()
{
    return QCursor::pos();
}

void DesktopServices::moveWindow(QWidget *window, int left, int top)
{
    window->move(left, top);
}

void DesktopServices::setTimerPeriod(QTimer *timer, int milliseconds)
{
    if (milliseconds <= 0) {
        timer->stop();
        return;
    }
    timer->start(milliseconds);
}

void DesktopServices::setClipboardText(const QByteArray &text)
{
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
}

bool DesktopServices::openUrl(const QByteArray &address)
{
    return CurlSupport::isHttpUrl(address) && QDesktopServices::openUrl(QUrl::fromEncoded(address));
}

void DesktopServices::popUpMenu(QMenu *menu)
{
    menu->popup(QCursor::pos());
}
