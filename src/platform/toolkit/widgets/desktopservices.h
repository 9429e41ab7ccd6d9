#pragma once

#include <QByteArray>
#include <QPoint>
#include <QSize>

class QMenu;
class QTimer;
class QWidget;

// The small desktop services the handlers use, each one step on Qt.
namespace DesktopServices {

// Size of the primary screen in pixels.
QSize screenSize();
// The mouse pointer on the screen.
QPoint cursorPosition();
// Moves a window's outer frame to (left, top) in one step.
void moveWindow(QWidget *window, int left, int top);
// Sets a timer's period in milliseconds; 0 stops it.
void setTimerPeriod(QTimer *timer, int milliseconds);
void setClipboardText(const QByteArray &text);
// Opens an http(s) address in the default browser and returns at once; other addresses are refused.
bool openUrl(const QByteArray &address);
// Shows the menu at the pointer; the chosen item's triggered signal follows.
void popUpMenu(QMenu *menu);

} // namespace DesktopServices
