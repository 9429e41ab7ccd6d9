#pragma once

#include "platform/automation/automationobject.h"
#include "platform/automation/comapartment.h"

#include <QByteArray>
#include <QByteArrayView>

// The platform's media player object, driven late-bound. The program keeps one, `player`: it opens each
// song's stream address, sets the volume, pauses and resumes, and polls the play state, position and
// length for the progress display.
//
// Fields, in order: the player object and its Controls, settings, currentMedia and Network parts. The parts
// are empty until the first open, which takes each of them afresh.
//
// Apartment balance: construction enters the apartment once, and the destructor leaves it once for every
// entry this instance made, so a copy, which makes none, leaves none.
//
// Every member gives the zero value (empty text, 0, false) when the player object is missing or the call
// fails; title, author, mediaRights and mediaType never give empty text.
class MediaPlayer {
public:
    static constexpr char kProgId[] = "wmplayer.ocx";

    // Enters the apartment and creates the player from kProgId; the result is not looked at.
    MediaPlayer();
    // Releases the player object, leaves the apartment as the class comment says, then the parts.
    ~MediaPlayer();
    // Shares the five objects; enters no apartment.
    MediaPlayer(const MediaPlayer &other);
    MediaPlayer &operator=(const MediaPlayer &) = delete;

    // Window hosting for the player: nothing to prepare on this platform, where the player has no window.
    void initHosting();
    // Hands the player a stream address (it starts playing by itself), then takes its parts afresh.
    void open(const QByteArray &url);
    void play();
    void setPlayCount(const QByteArray &count);
    // Turns muting on when it was off, and off when it was on.
    void toggleMute();
    // volume: 0 to 100 as decimal text.
    void setVolume(const QByteArray &volume);
    void pause();
    void stop();
    QByteArray status() const;
    // 0 undefined, 1 stopped, 2 paused, 3 playing, 6 buffering, 8 media ended, 9 transitioning, 10 ready.
    int playState() const;
    // Seconds played of the current song.
    double position() const;
    // Length of the current song in seconds; 0 while unknown.
    double duration() const;
    QByteArray title() const;
    QByteArray author() const;
    QByteArray mediaRights() const;
    QByteArray mediaType() const;
    // The song's bit rate in whole kbit, such as "128 kbit/sec".
    QByteArray bitRateText() const;
    QByteArray bufferingCount() const;
    QByteArray bufferingProgress() const;
    // seconds: decimal text.
    void setPosition(const QByteArray &seconds);
    // Whole seconds as "mm:ss", each part at least two digits; minutes may have more. Below 0 counts as 0.
    static QByteArray formatTime(qint64 seconds);
    // "mm:ss" back to seconds, read from the first 5 bytes only; 0 without a colon there.
    static qint64 parseTime(QByteArrayView text);

    AutomationObject playerObject() const { return m_playerObject; }
    AutomationObject controlsObject() const { return m_controlsObject; }
    AutomationObject settingsObject() const { return m_settingsObject; }
    AutomationObject mediaObject() const { return m_mediaObject; }
    AutomationObject networkObject() const { return m_networkObject; }

private:
    QByteArray itemInfo(const char *name, const char *fallback) const;

    AutomationObject m_playerObject;
    AutomationObject m_controlsObject;
    AutomationObject m_settingsObject;
    AutomationObject m_mediaObject;
    AutomationObject m_networkObject;
    ApartmentEntries m_apartment;
};
