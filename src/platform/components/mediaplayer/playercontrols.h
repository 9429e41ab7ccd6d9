#pragma once

#include <QObject>

class MediaPlayerComponent;

// The player's Controls part: play, pause, stop and the play position of the current stream.
class PlayerControls : public QObject {
    Q_OBJECT
    Q_PROPERTY(double currentPosition READ currentPosition WRITE setCurrentPosition)

public:
    // A child of player, which does the work.
    explicit PlayerControls(MediaPlayerComponent &player);

    Q_INVOKABLE void play();
    Q_INVOKABLE void pause();
    Q_INVOKABLE void stop();
    // Seconds played; 0 when no stream is loaded.
    double currentPosition() const;
    void setCurrentPosition(double seconds);

private:
    MediaPlayerComponent &m_player;
};
