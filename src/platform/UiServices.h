#pragma once
// What the logic asks of the user interface: beeps, message boxes, the busy
// cursor, a turn of the event loop and a sound. The desktop program provides
// it with Qt (qt/QtUiServices), the CLI on the terminal (ConsoleUi), the tests
// with RecordingUi, so that a test can assert "one beep, then this message".
#include <exception>
#include <string>

#include "platform/Error.h"

namespace vt {

enum class MsgIcon { None, Information, Warning, Error };

class UiServices {
public:
    virtual ~UiServices() = default;

    virtual void Beep() = 0;
    // A message box with one OK button and the given icon.
    virtual void Message(MsgIcon icon, const std::string& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool Confirm(MsgIcon icon, const std::string& text) = 0;
    virtual void SetBusy(bool busy) = 0;
    // One turn of the event loop, so the window repaints and a click on a
    // stop button gets through during a long walk.
    virtual void ProcessEvents() = 0;
    // Plays a WAV file; a missing file or no audio device stays silent.
    virtual void PlaySound(const std::string& path) = 0;

    void ShowError(const std::string& text) { Message(MsgIcon::Error, text); }
    void ShowWarning(const std::string& text) { Message(MsgIcon::Warning, text); }
    void ShowInfo(const std::string& text) { Message(MsgIcon::Information, text); }
};

// Busy cursor for the lifetime of the object, also when the work throws.
class BusyCursor {
public:
    explicit BusyCursor(UiServices& ui) : ui_(ui) { ui_.SetBusy(true); }
    ~BusyCursor() { ui_.SetBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    UiServices& ui_;
};

// Runs one window handler. A platform error ends the handler and is shown in
// the standard error box with its own text; so is any other failure, with the
// runtime's text. No exception crosses the event loop and nothing is
// swallowed without the user seeing it. Returns false when the handler failed.
template <class F>
bool RunGuarded(UiServices& ui, F&& handler)
{
    try {
        handler();
        return true;
    } catch (const PlatformError& e) {
        ui.ShowError(e.what());
    } catch (const std::exception& e) {
        ui.ShowError(e.what());
    }
    return false;
}

} // namespace vt
