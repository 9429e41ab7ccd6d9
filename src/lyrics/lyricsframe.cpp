#include "lyrics/lyricsframe.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>

namespace {

// The text as glyph outlines, one path per glyph plus one for the underline, with the top of the line at
// `lineTop`. Per glyph, because Qt's antialiasing rasteriser slows down sharply with the size of one path:
// a line of Chinese text filled glyph by glyph costs a fraction of the same line filled as one path.
QList<QPainterPath> glyphOutlines(const QString &text, const QFont &font, QPointF lineTop)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QList<QPainterPath> outlines;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QRawFont rawFont = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            outlines << rawFont.pathForGlyph(glyphs[i]).translated(lineTop + positions[i]);
    }
    if (font.underline()) {
        const QFontMetricsF metrics(font);
        QPainterPath underline;
        underline.addRect(lineTop.x(), lineTop.y() + metrics.ascent() + metrics.underlinePos(),
                          metrics.horizontalAdvance(text), metrics.lineWidth());
        outlines << underline;
    }
    return outlines;
}

// The text's coverage in device pixels, rasterised once: the shadow, the fill and the highlight are each
// this mask tinted, which costs far less than filling the outlines again.
struct Coverage {
    QImage mask;
    QPoint topLeft;
};

Coverage rasterise(const QList<QPainterPath> &outlines, qreal ratio)
{
    QRectF bounds;
    for (const QPainterPath &outline : outlines)
        bounds |= outline.boundingRect();
    // One pixel of margin for the antialiased edge.
    const QRect area =
        QRectF(bounds.topLeft() * ratio, bounds.size() * ratio).toAlignedRect().adjusted(-1, -1, 1, 1);
    Coverage coverage{QImage(area.size(), QImage::Format_ARGB32_Premultiplied), area.topLeft()};
    coverage.mask.fill(Qt::transparent);
    QPainter painter(&coverage.mask);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-area.topLeft());
    painter.scale(ratio, ratio);
    for (const QPainterPath &outline : outlines)
        painter.fillPath(outline, Qt::white);
    return coverage;
}

// The mask filled with `brush` (given in logical coordinates) where it covers the text.
QImage tinted(const Coverage &coverage, const QBrush &brush, qreal ratio)
{
    QImage layer(coverage.mask.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&layer);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.translate(-coverage.topLeft);
    painter.scale(ratio, ratio);
    painter.fillRect(QRectF(QPointF(coverage.topLeft) / ratio, QSizeF(layer.size()) / ratio), brush);
    painter.resetTransform();
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawImage(0, 0, coverage.mask);
    return layer;
}

void drawBackground(QPainter &painter, const LyricsFrameContent &content, QSize size)
{
    if (content.backgroundBrush)
        painter.fillRect(QRectF(QPointF(0, 0), size), QColor::fromRgba(*content.backgroundBrush));
}

// Mode 1 runs from the top of the text box to its bottom; mode 2 reaches colour 2 at half height and is
// mirrored back to colour 1 at the bottom; any other mode is a plain fill with colour 1.
QBrush makeBrush(int mode, const std::array<QRgb, 2> &colours, const QRectF &textBox)
{
    if (mode != 1 && mode != 2)
        return QColor::fromRgba(colours[0]);
    const qreal reach = mode == 1 ? textBox.height() : textBox.height() / 2;
    QLinearGradient gradient(textBox.topLeft(), textBox.topLeft() + QPointF(0, reach));
    gradient.setColorAt(0, QColor::fromRgba(colours[0]));
    gradient.setColorAt(1, QColor::fromRgba(colours[1]));
    gradient.setSpread(QGradient::ReflectSpread);
    return gradient;
}

// The painter draws in device pixels; the pen and the clip are in logical ones.
class TextPainter {
public:
    TextPainter(QPainter &painter, const QList<QPainterPath> &outlines, const QRectF &textBox, qreal ratio)
        : m_painter(painter)
        , m_outlines(outlines)
        , m_coverage(rasterise(outlines, ratio))
        , m_textBox(textBox)
        , m_ratio(ratio)
    {
    }

    void shadow(QRgb colour, int offset)
    {
        const int shift = qRound(offset * m_ratio);
        m_painter.drawImage(m_coverage.topLeft + QPoint(shift, shift),
                            tinted(m_coverage, QColor::fromRgba(colour), m_ratio));
    }

    // The outline first, then the fill over its inner half.
    void text(const std::optional<QRgb> &pen, int mode, const std::array<QRgb, 2> &colours)
    {
        if (pen) {
            m_painter.save();
            m_painter.scale(m_ratio, m_ratio);
            for (const QPainterPath &outline : m_outlines)
                m_painter.strokePath(outline, QPen(QColor::fromRgba(*pen), 1.0));
            m_painter.restore();
        }
        // The gradient spans the whole text box, also under a clip, so a highlighted part keeps the shading.
        m_painter.drawImage(m_coverage.topLeft,
                            tinted(m_coverage, makeBrush(mode, colours, m_textBox), m_ratio));
    }

    void clipToShare(int percent)
    {
        const QRectF share(m_textBox.topLeft(),
                           QSizeF(m_textBox.width() * percent / 100, m_textBox.height()));
        m_painter.setClipRect(QRectF(share.topLeft() * m_ratio, share.size() * m_ratio));
    }

private:
    QPainter &m_painter;
    const QList<QPainterPath> &m_outlines;
    Coverage m_coverage;
    QRectF m_textBox;
    qreal m_ratio;
};

// The text one line high, its box centred both ways: shadow, outline and fill, then the highlighted
// share from the left in the highlight style.
void drawText(QPainter &painter, const LyricsFrameContent &content, QSize size, qreal ratio)
{
    if (!content.font || content.text.isEmpty())
        return;
    const QFontMetricsF metrics(*content.font);
    const QSizeF box(metrics.horizontalAdvance(content.text), metrics.height());
    const QRectF textBox(QPointF((size.width() - box.width()) / 2, (size.height() - box.height()) / 2), box);
    const QList<QPainterPath> outlines = glyphOutlines(content.text, *content.font, textBox.topLeft());
    TextPainter text(painter, outlines, textBox, ratio);

    if (content.shadowBrush)
        text.shadow(*content.shadowBrush, content.shadowOffset);
    text.text(content.textPen, content.textGradient, content.textColours);
    if (content.highlightPercent <= 0)
        return;
    if (content.highlightPercent < 100)
        text.clipToShare(content.highlightPercent);
    text.text(content.highlightPen, content.highlightGradient, content.highlightColours);
}

} // namespace

QRgb toArgb(int colour, int alpha, bool useAlpha)
{
    if (!useAlpha || alpha >= 256)
        alpha = 255;
    else if (alpha < 0)
        alpha = 0;
    return qRgba(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF, alpha);
}

QImage drawLyricsFrame(const LyricsFrameContent &content, QSize size, qreal devicePixelRatio)
{
    QImage frame(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::transparent);
    if (!frame.isNull()) {
        // Drawn in device pixels, so the text's coverage lines up with the frame's pixels.
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.save();
        painter.scale(devicePixelRatio, devicePixelRatio);
        drawBackground(painter, content, size);
        painter.restore();
        drawText(painter, content, size, devicePixelRatio);
    }
    frame.setDevicePixelRatio(devicePixelRatio);
    return frame;
}
