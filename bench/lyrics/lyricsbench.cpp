#include "app/application.h"
#include "app/globals.h"
#include "app/mainwindow.h"
#include "lyrics/lyricsframe.h"
#include "lyrics/lyricswindow.h"
#include "lyrics/lyrictick.h"
#include "wrappers/mediaplayer.h"

#include <benchmark/benchmark.h>

namespace {

const QSize frameSize(1920, 150);

// The window's default look, taken from a window that has just been made.
LyricsFrameContent defaultLook()
{
    LyricsWindow window;
    window.createWindow(frameSize.width(), frameSize.height());
    return window.content();
}

// The baseline: the least a frame costs, one colour into an image of the same size.
void BM_FillFrameImage(benchmark::State &state)
{
    for (auto _ : state) {
        QImage image(frameSize, QImage::Format_ARGB32_Premultiplied);
        image.fill(0xFF336699);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FillFrameImage)->Unit(benchmark::kMicrosecond);

// A lyric line in the default look: shadow, outline and gradient over the text path. Every frame has a
// new line, as when the song moves on.
void BM_DrawDefaultFrame(benchmark::State &state)
{
    LyricsFrameContent content = defaultLook();
    int line = 0;
    for (auto _ : state) {
        content.text = QStringLiteral("窗外的麻雀 在电线杆上多嘴 %1").arg(line++ % 100);
        benchmark::DoNotOptimize(drawLyricsFrame(content, frameSize).constBits());
    }
}
BENCHMARK(BM_DrawDefaultFrame)->Unit(benchmark::kMicrosecond);

// A lyric of about 30 KB: timed lines of mixed Chinese and Latin text with the escaped line ends.
QByteArray longLyricsAnswer()
{
    QByteArray lyric;
    for (int second = 0; lyric.size() < 30 * 1024; second += 2)
        lyric += "[" + MediaPlayer::formatTime(second) + ".35]第" + QByteArray::number(second) +
                 "句 the rain keeps falling 雨一直下\\r\\n";
    return R"({"name":"song","lyric":")" + lyric + R"(","sid":"1001"})";
}

// One lyric step per call, two calls per second of the song as the 500 ms tick makes them: the label and
// the hidden desktop lyrics take each line once and the same line a second time.
void BM_LyricTick(benchmark::State &state)
{
    qputenv("QUORIN_API_ROOT", "http://127.0.0.1:1");
    Application quorin;
    MainWindow &window = quorin.openMainWindow();
    quorin.globals().lyricsAnswer = longLyricsAnswer();
    qint64 tick = 0;
    for (auto _ : state)
        lyricTick(window.session(), MediaPlayer::formatTime((tick++ / 2) % 1000));
}
BENCHMARK(BM_LyricTick)->Unit(benchmark::kMicrosecond);

} // namespace
