#pragma once

struct Session;

// Connects pause, resume, next song, the volume button and slider, the hint timer and the playback timer.
void wirePlaybackHandlers(Session &session);

void pausePlayback(Session &session);
void resumePlayback(Session &session);
void playNextSong(Session &session);
// The volume slider moved: the player takes the new volume and the hint shows it.
void changeVolume(Session &session);
// The hint timer's tick: the volume text comes back and the timer stops.
void restoreVolumeHint(Session &session);
// The playback timer's tick: time label, progress bar and lyric while playing; the next song once the
// player has stopped.
void playbackTick(Session &session);
