#include "media.h"

#include "catalogue.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImage>
#include <QPainter>

#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <numbers>

namespace {

constexpr int sampleRate = 22050;

void putLe(std::string &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

std::string wavHeader(std::uint32_t dataBytes)
{
    std::string h = "RIFF";
    putLe(h, 36 + dataBytes, 4);
    h += "WAVEfmt ";
    putLe(h, 16, 4);
    putLe(h, 1, 2); // PCM
    putLe(h, 1, 2); // mono
    putLe(h, sampleRate, 4);
    putLe(h, sampleRate * 2, 4);
    putLe(h, 2, 2);
    putLe(h, 16, 2);
    h += "data";
    putLe(h, dataBytes, 4);
    return h;
}

// A plucked note: fast attack, exponential decay, one overtone.
double noteSample(double frequency, double t)
{
    const double envelope = std::min(1.0, t / 0.01) * std::exp(-3.0 * t);
    const double phase = 2 * std::numbers::pi * frequency * t;
    return envelope * (std::sin(phase) + 0.3 * std::sin(2 * phase));
}

std::map<std::string, SongMedia> buildMedia()
{
    std::map<std::string, SongMedia> media;
    unsigned seed = 1;
    for (const DemoSong &song : demoSongs()) {
        SongMedia &m = media[song.sid];
        m.wav = melodyWav(song.lengthSeconds, seed);
        m.png = coverPng(seed);
        m.sha256 = QCryptographicHash::hash(QByteArrayView(m.wav.data(), qsizetype(m.wav.size())),
                                            QCryptographicHash::Sha256)
                       .toHex()
                       .toStdString();
        ++seed;
    }
    return media;
}

} // namespace

const SongMedia *findMedia(const std::string &sid)
{
    static const std::map<std::string, SongMedia> media = buildMedia();
    const auto it = media.find(sid);
    return it == media.end() ? nullptr : &it->second;
}

const std::string &channelCover()
{
    static const std::string cover = coverPng(0);
    return cover;
}

std::string melodyWav(int seconds, unsigned seed)
{
    // A pentatonic scale over two octaves from middle C: any sequence of its notes sounds tuneful.
    static constexpr std::array<int, 8> steps = {0, 2, 4, 7, 9, 12, 14, 16};
    const auto total = static_cast<std::uint32_t>(seconds) * sampleRate;
    std::string wav = wavHeader(total * 2);
    wav.reserve(wav.size() + total * 2);

    std::uint32_t state = seed * 2654435761u + 1;
    std::uint32_t noteStart = 0;
    std::uint32_t noteLength = 0;
    double frequency = 0;
    const std::uint32_t fade = sampleRate / 20;
    for (std::uint32_t i = 0; i < total; ++i) {
        if (i - noteStart >= noteLength) {
            state = state * 1664525u + 1013904223u;
            frequency = 261.63 * std::pow(2.0, steps[(state >> 16) % steps.size()] / 12.0);
            noteLength = ((state >> 8) & 1) ? sampleRate / 2 : sampleRate / 4;
            noteStart = i;
        }
        double value = 0.25 * noteSample(frequency, double(i - noteStart) / sampleRate);
        if (total - i < fade) // no click at the end
            value *= double(total - i) / fade;
        putLe(wav, static_cast<std::uint16_t>(static_cast<std::int16_t>(value * 32767)), 2);
    }
    return wav;
}

std::string coverPng(unsigned seed)
{
    QImage image(300, 300, QImage::Format_RGB32);
    const int hue = int(seed * 67 % 360);
    image.fill(QColor::fromHsv(hue, 140, 215));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(25, 25, 25));
        painter.drawEllipse(QPointF(150, 150), 115, 115);
        painter.setBrush(QColor::fromHsv((hue + 180) % 360, 170, 230));
        painter.drawEllipse(QPointF(150, 150), 42, 42);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(150, 150), 5, 5);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}
