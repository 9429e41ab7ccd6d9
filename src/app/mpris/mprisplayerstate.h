#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantMap>

#include <functional>

// The song the desktop's media controls show.
struct MprisTrack {
    QByteArray sid;
    QByteArray title;
    QByteArray artist;
    QByteArray album;
    QByteArray coverUrl;
    // LRC text with real line breaks; empty when the song has no lyrics.
    QByteArray lyrics;
};

// What the media controls read from the program and what they may ask of it. Each request runs the same
// handler as the window's control for it.
struct MprisHost {
    std::function<int()> playState;
    std::function<double()> positionSeconds;
    std::function<double()> durationSeconds;
    // The volume slider's position, 1 to 100.
    std::function<int()> volume;
    std::function<void(int)> setVolume;
    std::function<void()> playPause;
    std::function<void()> play;
    std::function<void()> pause;
    std::function<void()> next;
    std::function<void()> raise;
    std::function<void()> quit;
};

// "Playing", "Paused" or "Stopped" for a player state code: 2 is paused; 3, 6 (buffering) and 9
// (waiting) count as playing.
QString playbackStatus(int playState);

// The xesam/mpris metadata of a track; the length only once it is known (more than 0 seconds).
QVariantMap trackMetadata(const MprisTrack &track, double durationSeconds);

// The slider's 1..100 as 0.0..1.0, and back, rounded and kept within the slider's range.
double volumeFromSlider(int position);
int sliderFromVolume(double volume);
