#pragma once

#include <QObject>

class MpvSession;

// The player's settings part. Volume and mute act on the engine at once and hold for every later stream.
class PlayerSettings : public QObject {
    Q_OBJECT
    Q_PROPERTY(int volume READ volume WRITE setVolume)
    Q_PROPERTY(bool mute READ mute WRITE setMute)
    Q_PROPERTY(int playCount READ playCount WRITE setPlayCount)

public:
    PlayerSettings(MpvSession &session, QObject *parent);

    int volume() const { return m_volume; }
    // 0 (silent) to 100 (full); values outside are brought to the nearer end.
    void setVolume(int volume);
    bool mute() const { return m_mute; }
    void setMute(bool mute);
    // Kept for callers that read it back; a stream plays once whatever it says.
    int playCount() const { return m_playCount; }
    void setPlayCount(int count) { m_playCount = count; }

private:
    MpvSession &m_session;
    int m_volume = 100;
    bool m_mute = false;
    int m_playCount = 1;
};
