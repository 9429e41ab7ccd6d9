#pragma once

#include <QByteArray>
#include <QFont>
#include <QString>

#include <array>
#include <memory>

class QWidget;

// The desktop lyrics: a borderless, always-on-top tool window at the bottom of the screen showing one line
// of text. The object exists from start-up; its window from createWindow() on.
class LyricsWindow {
public:
    LyricsWindow();
    ~LyricsWindow();
    LyricsWindow(const LyricsWindow &) = delete;
    LyricsWindow &operator=(const LyricsWindow &) = delete;

    // Makes the window, hidden, `width` × `height` (defaults: the work area's width × 150) centred on the
    // work area's bottom edge. False when it already exists.
    bool createWindow(int width = -1, int height = -1);
    bool isCreated() const;
    // The window, or null before createWindow().
    QWidget *handle() const;

    void setDragMove(bool enabled);
    void setNoClose(bool enabled);
    void show();
    void hide();

    // Replaces the text (UTF-8) and the highlighted share, clamped to 0..100, and redraws.
    void setText(const QByteArray &text, int highlightPercent = 0);
    QString text() const { return m_text; }
    int highlightPercent() const { return m_highlightPercent; }
    void redraw();

    // The look of the text: face (UTF-8) and size in pixels, and the fill colours, outline colour and
    // fill mode (0 plain, 1 gradient, 2 mirrored gradient); colours are Windows colours, 0x00BBGGRR.
    void setFont(const QByteArray &face, int pixelSize, bool bold, bool italic, bool underline);
    void setTextColours(int colour1, int colour2, int outlineColour, int fillMode);

private:
    class Surface;
    std::unique_ptr<Surface> m_window;
    QString m_text;
    int m_highlightPercent = 0;
    QFont m_font;
    std::array<int, 2> m_fillColours{};
    int m_outlineColour = 0;
    int m_fillMode = 0;
};

// Prepares what the desktop lyrics window needs before the main window exists.
void registerLyricsWindowClass();
