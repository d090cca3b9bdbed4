#pragma once
// UiServices that records what the logic asked for, for the tests. Confirm
// answers from a queue of prepared replies (No when the queue is empty).
#include <deque>
#include <string>
#include <vector>

#include "platform/UiServices.h"

namespace vt {

class RecordingUi : public UiServices {
public:
    struct Event {
        std::string kind; // "beep", "message", "confirm", "busy", "idle", "events", "sound"
        MsgIcon icon = MsgIcon::None;
        std::string text;
        bool operator==(const Event&) const = default;
    };

    std::vector<Event> events;
    std::deque<bool> replies;

    void Beep() override { events.push_back({"beep", MsgIcon::None, {}}); }
    void Message(MsgIcon icon, const std::string& text) override { events.push_back({"message", icon, text}); }
    bool Confirm(MsgIcon icon, const std::string& text) override
    {
        events.push_back({"confirm", icon, text});
        if (replies.empty())
            return false;
        bool r = replies.front();
        replies.pop_front();
        return r;
    }
    void SetBusy(bool busy) override { events.push_back({busy ? "busy" : "idle", MsgIcon::None, {}}); }
    void ProcessEvents() override { ++eventTurns; }
    void PlaySound(const std::string& path) override { events.push_back({"sound", MsgIcon::None, path}); }

    int eventTurns = 0;

    int Count(const std::string& kind) const
    {
        int n = 0;
        for (const auto& e : events)
            n += e.kind == kind;
        return n;
    }
    // Texts of the message boxes, in order.
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> out;
        for (const auto& e : events)
            if (e.kind == "message")
                out.push_back(e.text);
        return out;
    }
};

} // namespace vt
