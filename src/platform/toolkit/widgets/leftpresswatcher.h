#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Runs a handler when the left mouse button goes down on a widget, as the toolkit's "left button pressed"
// event. The press is consumed, so it does not also reach the widget's parent panel.
class LeftPressWatcher : public QObject {
    Q_OBJECT
public:
    static void watch(QWidget *widget, std::function<void()> handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    LeftPressWatcher(QWidget *widget, std::function<void()> handler);
    std::function<void()> m_handler;
};
