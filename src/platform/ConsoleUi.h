#pragma once
// UiServices of the command-line companion: messages on stderr, a BEL for a
// beep when stderr is a terminal, questions answered by --yes (else No), no
// sound.
#include <atomic>

#include "platform/UiServices.h"

namespace vt {

class ConsoleUi : public UiServices {
public:
    explicit ConsoleUi(bool assumeYes = false) : assumeYes_(assumeYes) {}

    void Beep() override;
    void Message(MsgIcon icon, const std::string& text) override;
    bool Confirm(MsgIcon icon, const std::string& text) override;
    void SetBusy(bool) override {}
    // A walk's event turn: after Ctrl-C it raises the flag given to
    // StopOnInterrupt (the StopRequested of the state), so the walk stops
    // between folders as it does on a click in the window.
    void ProcessEvents() override
    {
        if (stopFlag_ && Interrupted())
            *stopFlag_ = true;
    }
    void StopOnInterrupt(bool& flag) { stopFlag_ = &flag; }
    void PlaySound(const std::string&) override {}

    // Installs a SIGINT handler that only raises Interrupted().
    static void CatchInterrupt();
    static bool Interrupted();

private:
    bool assumeYes_;
    bool* stopFlag_ = nullptr;
};

} // namespace vt
