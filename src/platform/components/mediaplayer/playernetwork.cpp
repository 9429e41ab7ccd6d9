#include "platform/components/mediaplayer/playernetwork.h"

#include "platform/components/mediaplayer/mediaplayercomponent.h"

PlayerNetwork::PlayerNetwork(MediaPlayerComponent &player)
    : QObject(&player)
    , m_player(player)
{
}

int PlayerNetwork::bufferingCount() const
{
    return m_player.bufferingCount();
}

int PlayerNetwork::bufferingProgress() const
{
    return m_player.bufferingProgress();
}
