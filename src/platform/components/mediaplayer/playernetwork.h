#pragma once

#include <QObject>

class MediaPlayerComponent;

// The player's Network part: how the current stream has been waiting for data.
class PlayerNetwork : public QObject {
    Q_OBJECT
    Q_PROPERTY(int bufferingCount READ bufferingCount)
    Q_PROPERTY(int bufferingProgress READ bufferingProgress)

public:
    // A child of player, whose figures it reports.
    explicit PlayerNetwork(MediaPlayerComponent &player);

    // How many times the current stream has stopped to wait for data.
    int bufferingCount() const;
    // How far the current wait for data has got, 0 to 100.
    int bufferingProgress() const;

private:
    const MediaPlayerComponent &m_player;
};
