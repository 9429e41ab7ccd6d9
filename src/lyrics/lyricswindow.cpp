#include "lyrics/lyricswindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {
constexpr int defaultHeight = 150;
} // namespace

// The native window: frameless, translucent, always on top, without a taskbar entry. A left-button press
// starts a system move while dragging is on; an ordinary close is refused while no-close is on.
class LyricsWindow::Surface : public QWidget {
public:
    Surface()
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    {
        setWindowTitle(QStringLiteral("PelorLyricsWindow"));
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_ShowWithoutActivating);
    }

    bool dragMove = false;
    bool noClose = false;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && dragMove && windowHandle())
            windowHandle()->startSystemMove();
    }
    void closeEvent(QCloseEvent *event) override
    {
        if (noClose && !qGuiApp->isSavingSession())
            event->ignore();
        else
            event->accept();
    }
};

LyricsWindow::LyricsWindow() = default;
LyricsWindow::~LyricsWindow() = default;

bool LyricsWindow::createWindow(int width, int height)
{
    if (isCreated())
        return false;
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect workArea = screen ? screen->availableGeometry() : QRect();
    const int w = width >= 0 ? width : workArea.width();
    const int h = height >= 0 ? height : defaultHeight;
    m_window = std::make_unique<Surface>();
    m_window->setGeometry((workArea.width() - w) / 2, workArea.bottom() + 1 - h, w, h);
    m_window->dragMove = true;
    return true;
}

bool LyricsWindow::isCreated() const
{
    return m_window != nullptr;
}

QWidget *LyricsWindow::handle() const
{
    return m_window.get();
}

void LyricsWindow::setDragMove(bool enabled)
{
    if (m_window)
        m_window->dragMove = enabled;
}

void LyricsWindow::setNoClose(bool enabled)
{
    if (m_window)
        m_window->noClose = enabled;
}

void LyricsWindow::show()
{
    if (m_window)
        m_window->show();
}

void LyricsWindow::hide()
{
    if (m_window)
        m_window->hide();
}

void LyricsWindow::setText(const QByteArray &text, int highlightPercent)
{
    m_text = QString::fromUtf8(text);
    m_highlightPercent = std::clamp(highlightPercent, 0, 100);
    redraw();
}

void LyricsWindow::redraw()
{
    if (m_window)
        m_window->update();
}

void LyricsWindow::setFont(const QByteArray &face, int pixelSize, bool bold, bool italic, bool underline)
{
    m_font = QFont();
    m_font.setFamilies({QString::fromUtf8(face), QStringLiteral("微软雅黑"), QStringLiteral("楷体"),
                        QStringLiteral("黑体"), QStringLiteral("宋体"), QStringLiteral("Tahoma")});
    if (pixelSize > 0)
        m_font.setPixelSize(pixelSize);
    m_font.setBold(bold);
    m_font.setItalic(italic);
    m_font.setUnderline(underline);
}

void LyricsWindow::setTextColours(int colour1, int colour2, int outlineColour, int fillMode)
{
    m_fillColours = {colour1, colour2};
    m_outlineColour = outlineColour;
    m_fillMode = fillMode;
}

void registerLyricsWindowClass()
{
    // Nothing to register with Qt: the window's class is Surface.
}
