// Plays one address through MediaPlayer for some seconds, polling it as the playback tick does, then exits:
// 0 when the song was still playing at the end, 1 when it was not, 2 on bad arguments.
// Usage: bench_player_song URL SECONDS

#include "platform/components/mediaplayer/mediaplayercomponent.h"
#include "wrappers/mediaplayer.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QByteArray url(argv[1]);
    const int seconds = QByteArray(argv[2]).toInt();
    if (seconds <= 0)
        return 2;

    registerMediaPlayerComponent();
    MediaPlayer player;
    player.open(url);
    player.setVolume("100");

    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&player] {
        if (player.playState() == 3) {
            const QByteArray label = MediaPlayer::formatTime(static_cast<qint64>(player.position())) + " | "
                                     + MediaPlayer::formatTime(static_cast<qint64>(player.duration()));
            Q_UNUSED(label);
        }
    });
    tick.start(500);

    int result = 1;
    QTimer::singleShot(seconds * 1000, [&] {
        result = player.playState() == 3 ? 0 : 1;
        std::printf("position %.1f s\n", player.position());
        app.quit();
    });
    app.exec();
    return result;
}
