#pragma once

#include <mpv/client.h>

// The libmpv functions the player uses, found in the library at run time rather than linked. Linking it
// loads libmpv and the two hundred libraries it needs at the program's start, some 50 ms before the first
// frame; found here, they load on the player's own starting thread instead (see MpvSession).
struct MpvLibrary {
    decltype(&mpv_create) create;
    decltype(&mpv_set_option_string) setOptionString;
    decltype(&mpv_initialize) initialize;
    decltype(&mpv_terminate_destroy) terminateDestroy;
    decltype(&mpv_set_wakeup_callback) setWakeupCallback;
    decltype(&mpv_command_async) commandAsync;
    decltype(&mpv_set_property_async) setPropertyAsync;
    decltype(&mpv_observe_property) observeProperty;
    decltype(&mpv_get_property) getProperty;
    decltype(&mpv_get_property_string) getPropertyString;
    decltype(&mpv_free) free;
    decltype(&mpv_wait_event) waitEvent;
    decltype(&mpv_error_string) errorString;

    // The library, loaded on the first call from any thread and kept for the whole run (its threads may
    // still be running at exit); null when it or one of its functions cannot be found.
    static const MpvLibrary *instance();
};
