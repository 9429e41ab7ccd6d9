#include "platform/toolkit/widgets/leftpresswatcher.h"

#include <QMouseEvent>
#include <QWidget>

LeftPressWatcher::LeftPressWatcher(QWidget *widget, std::function<void()> handler)
    : QObject(widget)
    , m_handler(std::move(handler))
{
    widget->installEventFilter(this);
}

void LeftPressWatcher::watch(QWidget *widget, std::function<void()> handler)
{
    new LeftPressWatcher(widget, std::move(handler));
}

bool LeftPressWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress
        || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return QObject::eventFilter(watched, event);
    m_handler();
    return true;
}
