#include "platform/toolkit/widgets/leftpresswatcher.h"

#include <QMouseEvent>
#include <QWidget>

LeftPressWatcher::LeftPressWatcher(QWidget *widget, QEvent::Type type, std::function<void()> handler)
    : QObject(widget)
    , m_type(type)
    , m_handler(std::move(handler))
{
    widget->installEventFilter(this);
}

void LeftPressWatcher::watch(QWidget *widget, std::function<void()> handler)
{
    new LeftPressWatcher(widget, QEvent::MouseButtonPress, std::move(handler));
}

void LeftPressWatcher::watchRelease(QWidget *widget, std::function<void()> handler)
{
    new LeftPressWatcher(widget, QEvent::MouseButtonRelease, std::move(handler));
}

bool LeftPressWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != m_type || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return QObject::eventFilter(watched, event);
    m_handler();
    return m_type == QEvent::MouseButtonPress;
}
