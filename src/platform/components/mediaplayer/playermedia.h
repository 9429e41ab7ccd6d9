#pragma once

#include <QObject>
#include <QString>

class MpvSession;

// The player's currentMedia part: facts about the stream that plays now, read from the engine when asked.
class PlayerMedia : public QObject {
    Q_OBJECT
    Q_PROPERTY(double duration READ duration)

public:
    PlayerMedia(const MpvSession &session, QObject *parent);

    // Length of the stream in seconds; 0 while unknown.
    double duration() const;
    // One fact by its name, in any case: "title", "Author", "Copyright" (from the stream's tags), "strType"
    // (the container format, such as "mp3"), "Bitrate" (bits per second, in decimal). Empty when the
    // stream does not say or the name is not one of these.
    Q_INVOKABLE QString getItemInfo(const QString &name) const;

private:
    QByteArray tag(const char *key) const;
    QByteArray bitrate() const;

    const MpvSession &m_session;
};
