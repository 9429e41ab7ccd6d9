#include "platform/components/platformcomponents.h"

#include "platform/components/dictionary/dictionarycomponent.h"
#include "platform/components/httprequest/httprequestcomponent.h"
#include "platform/components/mediaplayer/mediaplayercomponent.h"
#include "platform/components/regexp/regexpcomponent.h"
#include "platform/components/scriptcontrol/scriptcontrolcomponent.h"

void registerPlatformComponents()
{
    registerHttpRequestComponent();
    registerMediaPlayerComponent();
    registerScriptControlComponent();
    registerRegExpComponent();
    registerDictionaryComponent();
}
