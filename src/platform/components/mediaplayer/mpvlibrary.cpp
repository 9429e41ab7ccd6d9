#include "platform/components/mediaplayer/mpvlibrary.h"

#include <dlfcn.h>

#include <optional>

namespace {

// The library of the client API version the header describes (major version 2).
constexpr char kLibraryName[] = "libmpv.so.2";

template <typename Function>
bool resolve(void *library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

std::optional<MpvLibrary> load()
{
    void *library = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return std::nullopt;
    MpvLibrary mpv{};
    const bool complete = resolve(library, "mpv_create", mpv.create)
                          && resolve(library, "mpv_set_option_string", mpv.setOptionString)
                          && resolve(library, "mpv_initialize", mpv.initialize)
                          && resolve(library, "mpv_terminate_destroy", mpv.terminateDestroy)
                          && resolve(library, "mpv_set_wakeup_callback", mpv.setWakeupCallback)
                          && resolve(library, "mpv_command_async", mpv.commandAsync)
                          && resolve(library, "mpv_set_property_async", mpv.setPropertyAsync)
                          && resolve(library, "mpv_observe_property", mpv.observeProperty)
                          && resolve(library, "mpv_get_property", mpv.getProperty)
                          && resolve(library, "mpv_get_property_string", mpv.getPropertyString)
                          && resolve(library, "mpv_free", mpv.free)
                          && resolve(library, "mpv_wait_event", mpv.waitEvent)
                          && resolve(library, "mpv_error_string", mpv.errorString);
    if (!complete)
        return std::nullopt;
    return mpv;
}

} // namespace

const MpvLibrary *MpvLibrary::instance()
{
    static const std::optional<MpvLibrary> library = load();
    return library ? &*library : nullptr;
}
