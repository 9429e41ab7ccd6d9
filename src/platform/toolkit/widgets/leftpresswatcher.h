#pragma once

#include <QObject>

#include <functional>

class QWidget;

#include <QEvent>

// Runs a handler when the left mouse button goes down on a widget, as the toolkit's "left button pressed"
// event, or up, as its "left button released" event.
class LeftPressWatcher : public QObject {
    Q_OBJECT
public:
    // The press is consumed, so it does not also reach the widget's parent panel.
    static void watch(QWidget *widget, std::function<void()> handler);
    // The release still reaches the widget (a slider ends its drag with it).
    static void watchRelease(QWidget *widget, std::function<void()> handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    LeftPressWatcher(QWidget *widget, QEvent::Type type, std::function<void()> handler);
    QEvent::Type m_type;
    std::function<void()> m_handler;
};
