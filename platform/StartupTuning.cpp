// Start-up work moved off the way of the first window, and memory handed back after it.
#include "platform/StartupTuning.h"

#ifdef ZARVELO_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace zarvelo::platform {

FontConfigurationWarmUp::FontConfigurationWarmUp() {
#ifdef ZARVELO_HAVE_FONTCONFIG
    thread_ = std::thread([] { FcInit(); });
#endif
}

FontConfigurationWarmUp::~FontConfigurationWarmUp() { finish(); }

void FontConfigurationWarmUp::finish() {
    if (thread_.joinable()) thread_.join();
}

void ReturnFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

}  // namespace zarvelo::platform
