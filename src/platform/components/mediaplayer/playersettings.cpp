#include "platform/components/mediaplayer/playersettings.h"

#include "platform/components/mediaplayer/mpvsession.h"

#include <QtGlobal>

PlayerSettings::PlayerSettings(MpvSession &session, QObject *parent)
    : QObject(parent)
    , m_session(session)
{
}

void PlayerSettings::setVolume(int volume)
{
    m_volume = qBound(0, volume, 100);
    m_session.setNumberAsync("volume", m_volume);
}

void PlayerSettings::setMute(bool mute)
{
    m_mute = mute;
    m_session.setFlagAsync("mute", mute);
}
