#include "platform/components/mediaplayer/playermedia.h"

#include "platform/components/mediaplayer/mpvsession.h"

PlayerMedia::PlayerMedia(const MpvSession &session, QObject *parent)
    : QObject(parent)
    , m_session(session)
{
}

double PlayerMedia::duration() const
{
    return m_session.readNumber("duration");
}

QString PlayerMedia::getItemInfo(const QString &name) const
{
    const QByteArray key = name.toLower().toUtf8();
    QByteArray value;
    if (key == "title")
        value = tag("title");
    else if (key == "author")
        value = tag("artist");
    else if (key == "copyright")
        value = tag("copyright");
    else if (key == "strtype")
        value = m_session.readText("file-format");
    else if (key == "bitrate")
        value = bitrate();
    return QString::fromUtf8(value);
}

QByteArray PlayerMedia::tag(const char *key) const
{
    // by-key looks the tag up without regard to case, as tags come in whatever case the file used.
    return m_session.readText(QByteArray("metadata/by-key/").append(key).constData());
}

QByteArray PlayerMedia::bitrate() const
{
    // The measured rate appears only after a second or so of playing; the container's figure is there
    // from the start.
    auto bitsPerSecond = static_cast<qint64>(m_session.readNumber("audio-bitrate"));
    if (bitsPerSecond <= 0)
        bitsPerSecond = static_cast<qint64>(m_session.readNumber("current-tracks/audio/demux-bitrate"));
    return bitsPerSecond > 0 ? QByteArray::number(bitsPerSecond) : QByteArray();
}
