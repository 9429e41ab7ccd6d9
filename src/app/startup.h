#pragma once

struct Session;

// The main window's created handler: window height, first state, the desktop lyrics window, the saved
// settings and favourites, and the channel description.
void runCreatedSteps(Session &session);

// The main window's will-be-destroyed handler: saves the lyrics settings, then the favourites.
void runWillBeDestroyedSteps(Session &session);
