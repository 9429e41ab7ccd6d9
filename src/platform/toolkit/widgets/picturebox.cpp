#include "platform/toolkit/widgets/picturebox.h"

#include <QImage>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    connect(&m_animationTimer, &QTimer::timeout, this, &PictureBox::nextFrame);
}

void PictureBox::setPictureBytes(const QByteArray &bytes)
{
    setPicture(QPixmap::fromImage(QImage::fromData(bytes)));
}

void PictureBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::setAnimation(QList<QPixmap> frames, int intervalMs)
{
    m_frames = std::move(frames);
    m_frame = 0;
    m_animationTimer.setInterval(intervalMs);
    update();
}

void PictureBox::playAnimation(bool play)
{
    if (play && !m_frames.isEmpty())
        m_animationTimer.start();
    else
        m_animationTimer.stop();
    update();
}

void PictureBox::nextFrame()
{
    m_frame = (m_frame + 1) % m_frames.size();
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    const QPixmap &shown = m_frames.isEmpty() ? m_picture : m_frames.at(m_frame);
    if (shown.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QSizeF size = shown.deviceIndependentSize();
    size.scale(QSizeF(this->size()), Qt::KeepAspectRatio);
    const QRectF target(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.drawPixmap(target, shown, QRectF(shown.rect()));
}
