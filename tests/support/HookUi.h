#pragma once
// RecordingUi with a hook run at each event turn, to act as the user does
// while a walk runs.
#include <functional>

#include "platform/RecordingUi.h"

namespace vt::test {

struct HookUi : RecordingUi {
    std::function<void()> onEvents;
    void ProcessEvents() override
    {
        RecordingUi::ProcessEvents();
        if (onEvents)
            onEvents();
    }
};

} // namespace vt::test
