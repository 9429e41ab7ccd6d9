// Time from choosing a channel to the player reporting "playing", against the local demo station:
// the whole road of a song (channel description, playlist, cover, audio) as a user waits for it.
#include "app/application.h"
#include "app/mainwindow.h"
#include "demostation.h"
#include "radio/songchange.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    DemoStation station;
    station.start();
    qputenv("QUORIN_API_ROOT", QByteArray::fromStdString(station.rootUrl()));
    qputenv("QUORIN_ALBUM_SITE", QByteArray::fromStdString(station.rootUrl()));

    Application quorin;
    MainWindow &window = quorin.openMainWindow();
    constexpr int runs = 10;
    std::vector<qint64> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        chooseChannel(window.session(), 2 + run % 3);
        if (!QTest::qWaitFor([&] { return quorin.globals().player->playState() == 3; }, 10000)) {
            std::fprintf(stderr, "run %d never reached playing\n", run);
            return 1;
        }
        times.push_back(clock.elapsed());
    }
    std::sort(times.begin(), times.end());
    std::printf("channel choice to playing: median %lld ms (min %lld, max %lld, %d runs)\n",
                static_cast<long long>((times[runs / 2 - 1] + times[runs / 2]) / 2), static_cast<long long>(times.front()),
                static_cast<long long>(times.back()), runs);
    return 0;
}
