#pragma once

#include <QObject>
#include <QPoint>

#include <optional>

class LyricsWindow;
class QMouseEvent;
class QWidget;

// What makes a widget the desktop lyrics window, installed by LyricsWindow::attachWindow: it paints the
// lyrics frame, starts a system move on a left-button press while the window's "Pelor_HitMove" property
// is set, and refuses an ordinary close (Alt+F4, the window manager's close) while its "Pelor_NoClose"
// property is set, until the program quits or the session ends. A child of the widget, so it goes with it.
class LyricsWindowProcedure : public QObject {
    Q_OBJECT
public:
    LyricsWindowProcedure(LyricsWindow &lyrics, QWidget *window);

    // The property names, on the window, that switch dragging and the refusal of a close.
    static constexpr const char *hitMoveProperty = "Pelor_HitMove";
    static constexpr const char *noCloseProperty = "Pelor_NoClose";

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void drag(const QMouseEvent *event);
    void paintFrame();
    void allowClose();

    LyricsWindow &m_lyrics;
    QWidget *m_window;
    // Where the pointer holds the window while it follows the pointer itself.
    std::optional<QPoint> m_dragOffset;
};
