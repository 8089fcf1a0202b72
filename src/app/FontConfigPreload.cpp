// fontconfig's one-time loading, started early on a thread of its own.
#include "app/FontConfigPreload.h"

#include <fontconfig/fontconfig.h>

std::jthread preloadFontConfiguration()
{
    return std::jthread([] { FcInit(); });
}
