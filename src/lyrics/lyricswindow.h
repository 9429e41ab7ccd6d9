#pragma once

#include "lyrics/lyricsframe.h"

#include <QByteArray>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <optional>

// The desktop lyrics: a frameless, always-on-top, per-pixel translucent tool window without a taskbar
// entry, at the bottom of the screen, showing one line of text drawn as an outlined, shadowed, filled
// path. The object exists from start-up; its window from createWindow() (or attachWindow()) on. Every
// operation on a missing window does nothing and gives 0 or false.
class LyricsWindow {
public:
    LyricsWindow();
    // Takes the window it made with it; a window it was given keeps living, without the lyrics' handling.
    ~LyricsWindow();
    LyricsWindow(const LyricsWindow &) = delete;
    LyricsWindow &operator=(const LyricsWindow &) = delete;

    // Makes the native window at once, hidden, `width` × `height` (by default the work area's width × 150)
    // with its bottom on the work area's bottom, centred as if the work area began at the screen's left.
    // Dragging is on. False, with nothing changed, when a window already exists.
    bool createWindow(std::optional<int> width = std::nullopt, std::optional<int> height = std::nullopt);
    // Makes the widget with native id `window` the lyrics window: its handling is installed (once) and the
    // drawing is set up. From then on destroy() deletes that widget. False when `window` names no widget
    // or a window already exists.
    bool attachWindow(WId window);
    // Deletes the window; false when there was none.
    bool destroy();
    // Sets the default look, once: the first installed face at 50 px bold, no background, a black shadow
    // 2 px right and down at alpha 150, a green gradient fill with a black outline, and an orange-to-yellow
    // highlight with a black outline.
    void initGraphics();

    // The look of the text. Colours are Windows colours, 0x00BBGGRR.
    // Face (UTF-8) and size in pixels; a face that is not installed falls back to the usual faces, and a
    // size below 1 makes no font, so no text is drawn. No redraw.
    void setFont(const QByteArray &face, int pixelSize, bool bold, bool italic, bool underline);
    // A background over the whole frame when alpha > 0; redraws when `redrawNow` and the window exists.
    void setBackground(int colour, int alpha, bool redrawNow);
    // A shadow `offset` pixels right and down (negative reads 0) when alpha > 0 and offset > 0; redraws
    // when `redrawNow` and the window exists.
    void setShadow(int colour, int alpha, int offset, bool redrawNow);
    // Fill colours 1 and 2, the outline colour (-1 for none) and the fill mode (0 plain, 1 gradient,
    // 2 mirrored gradient, anything else plain); for the normal text and the highlighted part. No redraw.
    void setTextColours(int colour1, int colour2, int outlineColour, int fillMode);
    void setHighlightColours(int colour1, int colour2, int outlineColour, int fillMode);

    void show();
    void hide();
    // Moves and/or resizes the window; an argument left out keeps the current value. Frames keep the size
    // the window was created with.
    void move(std::optional<int> x = std::nullopt, std::optional<int> y = std::nullopt,
              std::optional<int> width = std::nullopt, std::optional<int> height = std::nullopt,
              bool noRedraw = false);
    // The window's current rectangle; left and top relative to its parent, or on the screen without one.
    int width() const;
    int height() const;
    int top() const;
    int left() const;
    // The native window id, 0 without a window.
    WId handle() const;
    bool isCreated() const;
    void setTopmost(bool topmost);
    // While set, a left-button press on the window lets the user drag it.
    void setDragMove(bool enabled);
    // While set, an ordinary close request is refused; the end of the session still closes the window.
    void setNoClose(bool enabled);

    // Replaces the text (UTF-8) and the highlighted share, clamped to 0..100, and redraws.
    void setText(const QByteArray &text, int highlightPercent = 0);
    // Brings the shown window's frame up to date with the text and look; a hidden window draws only when
    // it is shown. A frame identical to the one shown is neither drawn nor presented again.
    void redraw();

    QString text() const { return m_content.text; }
    int highlightPercent() const { return m_content.highlightPercent; }
    const LyricsFrameContent &content() const { return m_content; }
    // The frame for the current text and look, at the size fixed when the window was created; drawn now
    // if it is out of date, and then presented where it changed if the window is shown.
    const QImage &frame();

private:
    bool frameIsCurrent() const;
    qreal devicePixelRatio() const;

    QPointer<QWidget> m_window;
    // Whether m_window was made by createWindow() rather than attached.
    bool m_windowIsOwn = false;
    QImage m_frame;
    // What m_frame was drawn from; none until the first frame.
    std::optional<LyricsFrameContent> m_frameContent;
    int m_windowWidth = 0;
    int m_windowHeight = 0;
    bool m_graphicsReady = false;
    LyricsFrameContent m_content;
};

// Prepares what the desktop lyrics need before the main window exists: the font database is loaded and
// the fallback faces found, so the first frame does not wait for them.
void registerLyricsWindowClass();
