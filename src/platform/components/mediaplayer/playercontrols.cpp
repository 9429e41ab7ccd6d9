#include "platform/components/mediaplayer/playercontrols.h"

#include "platform/components/mediaplayer/mediaplayercomponent.h"

PlayerControls::PlayerControls(MediaPlayerComponent &player)
    : QObject(&player)
    , m_player(player)
{
}

void PlayerControls::play()
{
    m_player.play();
}

void PlayerControls::pause()
{
    m_player.pause();
}

void PlayerControls::stop()
{
    m_player.stop();
}

double PlayerControls::currentPosition() const
{
    return m_player.position();
}

void PlayerControls::setCurrentPosition(double seconds)
{
    m_player.seek(seconds);
}
