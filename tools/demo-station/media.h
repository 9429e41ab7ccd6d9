#pragma once

#include <string>

// The generated files of one song.
struct SongMedia {
    std::string wav;    // mono 16-bit PCM, as long as the song
    std::string png;    // the cover picture
    std::string sha256; // hex digest of wav, as the playlist answer names it
};

// The media of the song with that sid, or nullptr. Built once per process on first use, since they never
// change; safe to call from several threads.
const SongMedia *findMedia(const std::string &sid);

// The picture shown for every channel.
const std::string &channelCover();

// A WAV of that many seconds playing a melody that seed picks.
std::string melodyWav(int seconds, unsigned seed);

// A PNG cover picture: a coloured square, its colour picked by seed, with a record on it.
std::string coverPng(unsigned seed);
