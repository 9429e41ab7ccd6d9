#pragma once

#include <QList>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

// A picture box: shows a picture scaled to fit (aspect kept, centred), or plays a looping animation.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    // The picture from image file bytes (PNG, JPEG, GIF, SVG, ...); empty or undecodable bytes clear it.
    void setPictureBytes(const QByteArray &bytes);
    void setPicture(const QPixmap &picture);
    bool hasPicture() const { return !m_picture.isNull(); }

    // Frames of the animation, shown one after another every `intervalMs` while it plays.
    void setAnimation(QList<QPixmap> frames, int intervalMs);
    void playAnimation(bool play);
    bool isAnimationPlaying() const { return m_animationTimer.isActive(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void nextFrame();

    QPixmap m_picture;
    QList<QPixmap> m_frames;
    qsizetype m_frame = 0;
    QTimer m_animationTimer;
};
