#pragma once

#include "platform/components/mediaplayer/mpvsession.h"

#include <QObject>
#include <QString>

// The media player component, ProgID "wmplayer.ocx": plays one audio stream from an http or https address,
// without a window, and answers the platform player's play state codes. Writing url starts the stream by
// itself. Its parts are child objects reached through the properties controls, settings, currentMedia
// and network.
//
// Play states: 0 before any address, 9 while a stream opens, 3 playing, 2 paused, 6 waiting for data,
// 8 and straight after it 1 when a stream has played to its end, 1 after stop, and 10 when a stream cannot
// be played (an address that is not http or https, a refused or failed request, data that is not audio).
// Events from the player of an earlier address never change the state of the current one.
class MediaPlayerComponent : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString url READ url WRITE setUrl)
    Q_PROPERTY(int playState READ playState NOTIFY playStateChanged)
    Q_PROPERTY(QString status READ status)
    Q_PROPERTY(QObject *controls READ controls CONSTANT)
    Q_PROPERTY(QObject *settings READ settings CONSTANT)
    Q_PROPERTY(QObject *currentMedia READ currentMedia CONSTANT)
    Q_PROPERTY(QObject *network READ network CONSTANT)

public:
    enum PlayState {
        Undefined = 0,
        Stopped = 1,
        Paused = 2,
        Playing = 3,
        Buffering = 6,
        MediaEnded = 8,
        Transitioning = 9,
        Ready = 10,
    };

    explicit MediaPlayerComponent(QObject *parent = nullptr);
    ~MediaPlayerComponent() override;

    QString url() const { return m_url; }
    // Stops what plays and starts the stream at url; anything but http or https is refused (state 10).
    void setUrl(const QString &url);
    int playState() const { return m_reportedState; }
    // A short English description of the state; for state 10, why the stream cannot be played.
    QString status() const;

    QObject *controls() const { return m_controls; }
    QObject *settings() const { return m_settings; }
    QObject *currentMedia() const { return m_currentMedia; }
    QObject *network() const { return m_network; }

    // Resumes a paused stream, or starts the current address again after its end, a stop or a failure.
    void play();
    void pause();
    void stop();
    // Seconds played of the current stream; 0 when none is loaded.
    double position() const;
    // Moves within a loaded stream; values below 0 mean its start.
    void seek(double seconds);
    // How often the current stream has had to wait for data, and how far the current wait has got (0-100).
    int bufferingCount() const { return m_bufferingCount; }
    int bufferingProgress() const { return m_bufferingProgress; }

    // The player engine underneath, for diagnostics and tests that check what reached it.
    const MpvSession &session() const { return m_session; }

signals:
    void playStateChanged(int state);

private:
    enum class Phase { Idle, Opening, Active, Ended, Stopped, Failed };

    void load();
    void fail(const QString &reason);
    void finish();
    void handleEvent(const mpv_event &event);
    void handleCommandReply(const mpv_event &event);
    void handleEndFile(const mpv_event_end_file &end);
    void handlePropertyChange(const mpv_event_property &property);
    int currentState() const;
    void updateState();

    MpvSession m_session;
    QObject *m_controls;
    QObject *m_settings;
    QObject *m_currentMedia;
    QObject *m_network;

    QString m_url;
    QString m_failure;
    Phase m_phase = Phase::Idle;
    // Each load gets a new token; mpv's reply to it names the playlist entry the stream became, and only
    // events of that entry are the current stream's. -1 while the reply is still on its way.
    quint64 m_loadToken = 0;
    qint64 m_entryId = -1;
    qint64 m_startedEntryId = -1;
    bool m_paused = false;
    bool m_waitingForData = false;
    int m_bufferingCount = 0;
    int m_bufferingProgress = 0;
    int m_reportedState = Undefined;
};

// Makes "wmplayer.ocx" creatable through the component registry.
void registerMediaPlayerComponent();
