// Start-up work moved off the way of the first window, and memory handed back after it.
#pragma once

#include <thread>

namespace zarvelo::platform {

// Reads the system's font configuration on another core, from construction until finish(), so
// that the first text drawn does not wait for it. Made before the application object, whose
// connection to the display takes about as long; finish() before anything draws text.
class FontConfigurationWarmUp {
public:
    FontConfigurationWarmUp();
    ~FontConfigurationWarmUp();
    FontConfigurationWarmUp(const FontConfigurationWarmUp&) = delete;
    FontConfigurationWarmUp& operator=(const FontConfigurationWarmUp&) = delete;
    void finish();

private:
    std::thread thread_;
};

// Hands memory that start-up used and freed (the font set-up above all) back to the system.
void ReturnFreedMemory();

}  // namespace zarvelo::platform
