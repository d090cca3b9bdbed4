#include "platform/ConsoleUi.h"

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace vt {

namespace {
volatile std::sig_atomic_t g_interrupted = 0;
void OnInterrupt(int) { g_interrupted = 1; }

const char* IconWord(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Error: return "errore: ";
    case MsgIcon::Warning: return "attenzione: ";
    default: return "";
    }
}
} // namespace

void ConsoleUi::Beep()
{
    if (isatty(STDERR_FILENO))
        std::fputc('\a', stderr);
}

void ConsoleUi::Message(MsgIcon icon, const std::string& text)
{
    std::fprintf(stderr, "%s%s\n", IconWord(icon), text.c_str());
}

bool ConsoleUi::Confirm(MsgIcon icon, const std::string& text)
{
    std::fprintf(stderr, "%s%s %s\n", IconWord(icon), text.c_str(), assumeYes_ ? "[Sì]" : "[No]");
    return assumeYes_;
}

void ConsoleUi::CatchInterrupt()
{
    struct sigaction sa {};
    sa.sa_handler = OnInterrupt;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
}

bool ConsoleUi::Interrupted() { return g_interrupted != 0; }

} // namespace vt
