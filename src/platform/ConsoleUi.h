#pragma once
// UiServices of the command-line companion: messages on stderr, a BEL for a
// beep when stderr is a terminal, questions answered by --yes (else No), no
// sound. ProcessEvents checks for Ctrl-C so that long walks end with 130.
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
    void ProcessEvents() override {}
    void PlaySound(const std::string&) override {}

    // Installs a SIGINT handler that only raises Interrupted().
    static void CatchInterrupt();
    static bool Interrupted();

private:
    bool assumeYes_;
};

} // namespace vt
