#include "lyrics/lyricswindow.h"

#include "lyrics/lyricsfont.h"
#include "lyrics/lyricswindowprocedure.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cstring>

namespace {

constexpr int defaultHeight = 150;
constexpr auto windowTitle = "PelorLyricsWindow";
constexpr Qt::WindowFlags windowFlags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;

QRect workArea()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The smallest rectangle, in logical pixels, outside which two frames are alike; all of `after` when they
// differ in size or ratio. A new line changes only the text's own area of the wide frame, and presenting
// that area alone spares the window system most of the work.
QRect changedArea(const QImage &before, const QImage &after)
{
    const qreal ratio = after.devicePixelRatio();
    const QRect whole(QPoint(0, 0), after.deviceIndependentSize().toSize());
    if (before.size() != after.size() || before.format() != after.format() || before.devicePixelRatio() != ratio)
        return whole;
    QRect changed;
    const qsizetype rowBytes = qsizetype(after.width()) * 4;
    for (int y = 0; y < after.height(); ++y) {
        const auto *old = reinterpret_cast<const quint32 *>(before.constScanLine(y));
        const auto *now = reinterpret_cast<const quint32 *>(after.constScanLine(y));
        if (std::memcmp(old, now, rowBytes) == 0)
            continue;
        int left = 0;
        while (old[left] == now[left])
            ++left;
        int right = after.width() - 1;
        while (old[right] == now[right])
            --right;
        changed |= QRect(left, y, right - left + 1, 1);
    }
    return QRectF(QPointF(changed.topLeft()) / ratio, QSizeF(changed.size()) / ratio).toAlignedRect() & whole;
}

std::optional<QRgb> outlineArgb(int outlineColour)
{
    if (outlineColour == -1)
        return std::nullopt;
    return toArgb(outlineColour, 0, false);
}

} // namespace

LyricsWindow::LyricsWindow() = default;

LyricsWindow::~LyricsWindow()
{
    if (m_windowIsOwn)
        delete m_window.data();
    else if (m_window)
        delete m_window->findChild<LyricsWindowProcedure *>(QString(), Qt::FindDirectChildrenOnly);
}

bool LyricsWindow::createWindow(std::optional<int> width, std::optional<int> height)
{
    if (isCreated())
        return false;
    const QRect area = workArea();
    m_windowWidth = std::max(width.value_or(area.width()), 0);
    m_windowHeight = std::max(height.value_or(defaultHeight), 0);
    auto *window = new QWidget(nullptr, windowFlags);
    window->setWindowTitle(QString::fromLatin1(windowTitle));
    window->setAttribute(Qt::WA_TranslucentBackground);
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    // Centred as if the work area began at the screen's left edge; a panel on the left shifts nothing.
    window->setGeometry((area.width() - m_windowWidth) / 2, area.y() + area.height() - m_windowHeight,
                        m_windowWidth, m_windowHeight);
    // A fixed size, so no window manager offers to resize or maximize the line.
    window->setFixedSize(m_windowWidth, m_windowHeight);
    // The native window exists from here on, hidden, so other programs can find it before it is shown.
    if (!attachWindow(window->winId())) {
        delete window;
        return false;
    }
    m_windowIsOwn = true;
    m_frameContent.reset();
    setDragMove(true);
    return true;
}

bool LyricsWindow::attachWindow(WId window)
{
    QWidget *widget = QWidget::find(window);
    if (!widget || isCreated())
        return false;
    m_window = widget;
    m_windowIsOwn = false;
    if (!widget->findChild<LyricsWindowProcedure *>(QString(), Qt::FindDirectChildrenOnly))
        new LyricsWindowProcedure(*this, widget);
    initGraphics();
    return true;
}

bool LyricsWindow::destroy()
{
    if (!isCreated())
        return false;
    delete m_window.data();
    m_windowIsOwn = false;
    return true;
}

void LyricsWindow::initGraphics()
{
    if (m_graphicsReady)
        return;
    m_graphicsReady = true;
    setFont("", 50, true, false, false);
    setBackground(0, 0, false);
    setShadow(0x000000, 150, 2, false);
    setTextColours(0x00FEE3, 0x00B133, 0x000000, 1);
    setHighlightColours(0x1483FE, 0x00FFFF, 0x000000, 1);
}

void LyricsWindow::setFont(const QByteArray &face, int pixelSize, bool bold, bool italic, bool underline)
{
    const int style = (bold ? FontBold : 0) | (italic ? FontItalic : 0) | (underline ? FontUnderline : 0);
    m_content.font = makeFontFromList(lyricsFaceList(QString::fromUtf8(face)), pixelSize, style);
}

void LyricsWindow::setBackground(int colour, int alpha, bool redrawNow)
{
    m_content.backgroundBrush = alpha > 0 ? std::optional(toArgb(colour, alpha, true)) : std::nullopt;
    if (redrawNow && isCreated())
        redraw();
}

void LyricsWindow::setShadow(int colour, int alpha, int offset, bool redrawNow)
{
    m_content.shadowOffset = std::max(offset, 0);
    m_content.shadowBrush =
        alpha > 0 && m_content.shadowOffset > 0 ? std::optional(toArgb(colour, alpha, true)) : std::nullopt;
    if (redrawNow && isCreated())
        redraw();
}

void LyricsWindow::setTextColours(int colour1, int colour2, int outlineColour, int fillMode)
{
    m_content.textColours = {toArgb(colour1, 0, false), toArgb(colour2, 0, false)};
    m_content.textGradient = fillMode;
    m_content.textPen = outlineArgb(outlineColour);
}

void LyricsWindow::setHighlightColours(int colour1, int colour2, int outlineColour, int fillMode)
{
    m_content.highlightColours = {toArgb(colour1, 0, false), toArgb(colour2, 0, false)};
    m_content.highlightGradient = fillMode;
    m_content.highlightPen = outlineArgb(outlineColour);
}

void LyricsWindow::show()
{
    if (!m_window)
        return;
    // Brought up to date while still hidden, so the first paint finds it ready.
    frame();
    m_window->show();
}

void LyricsWindow::hide()
{
    if (m_window)
        m_window->hide();
}

void LyricsWindow::move(std::optional<int> x, std::optional<int> y, std::optional<int> width,
                        std::optional<int> height, [[maybe_unused]] bool noRedraw)
{
    // Qt repaints only what a move uncovers, from the frame it keeps, so there is no redraw to hold back.
    if (!m_window)
        return;
    const QRect current = m_window->geometry();
    m_window->setFixedSize(width.value_or(current.width()), height.value_or(current.height()));
    m_window->move(x.value_or(current.x()), y.value_or(current.y()));
}

int LyricsWindow::width() const
{
    return m_window ? m_window->width() : 0;
}

int LyricsWindow::height() const
{
    return m_window ? m_window->height() : 0;
}

int LyricsWindow::top() const
{
    return m_window ? m_window->y() : 0;
}

int LyricsWindow::left() const
{
    return m_window ? m_window->x() : 0;
}

WId LyricsWindow::handle() const
{
    return m_window ? m_window->winId() : 0;
}

bool LyricsWindow::isCreated() const
{
    return !m_window.isNull();
}

void LyricsWindow::setTopmost(bool topmost)
{
    if (!m_window)
        return;
    Qt::WindowFlags flags = m_window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, topmost);
    // QWidget::setWindowFlags would recreate the native window and hide it; tell the window system
    // directly and only record the flags on the widget.
    m_window->overrideWindowFlags(flags);
    if (QWindow *native = m_window->windowHandle())
        native->setFlags(flags);
}

void LyricsWindow::setDragMove(bool enabled)
{
    if (m_window)
        m_window->setProperty(LyricsWindowProcedure::hitMoveProperty, enabled);
}

void LyricsWindow::setNoClose(bool enabled)
{
    if (m_window)
        m_window->setProperty(LyricsWindowProcedure::noCloseProperty, enabled);
}

void LyricsWindow::setText(const QByteArray &text, int highlightPercent)
{
    m_content.text = QString::fromUtf8(text);
    m_content.highlightPercent = std::clamp(highlightPercent, 0, 100);
    redraw();
}

void LyricsWindow::redraw()
{
    // A hidden window draws its latest frame only when it is shown (the paint asks frame() for it).
    if (m_window && m_window->isVisible())
        frame();
}

const QImage &LyricsWindow::frame()
{
    // Presenting a wide translucent frame costs the window system far more than drawing it costs us, and
    // the lyric step sets the same line twice a second: an unchanged frame is neither drawn nor presented
    // again, and of a changed one only the part that changed is presented.
    if (frameIsCurrent())
        return m_frame;
    QImage drawn = drawLyricsFrame(m_content, QSize(m_windowWidth, m_windowHeight), devicePixelRatio());
    if (m_window && m_window->isVisible())
        m_window->update(changedArea(m_frame, drawn));
    m_frame = std::move(drawn);
    m_frameContent = m_content;
    return m_frame;
}

bool LyricsWindow::frameIsCurrent() const
{
    return m_frameContent == m_content && m_frame.devicePixelRatio() == devicePixelRatio();
}

qreal LyricsWindow::devicePixelRatio() const
{
    return m_window ? m_window->devicePixelRatioF() : 1.0;
}

void registerLyricsWindowClass()
{
    lyricsFaceList(QString());
}
