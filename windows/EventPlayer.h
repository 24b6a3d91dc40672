// Plays what the rules report on the main window: the screen draws from the state, the platform
// sounds, shows boxes and saves.
#pragma once

#include "rules/Events.h"

namespace zarvelo {

class WindowEvents final : public EventSink {
public:
    void Play(const Event& event) override;
};

// The sink of the one main window.
EventSink& WindowSink();

}  // namespace zarvelo
