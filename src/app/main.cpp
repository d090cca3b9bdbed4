// Vantaro: copies, checks, scans and renames a collection of video files.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/VT_U1.h"
#include "platform/qt/QtUiServices.h"

namespace {
// Without a display Qt would abort with a message about platform plugins;
// say plainly what is missing instead.
bool HaveDisplay()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char* x = std::getenv("DISPLAY");
    const char* wl = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (wl && *wl);
}
} // namespace

int main(int argc, char** argv)
{
    if (!HaveDisplay()) {
        std::fprintf(stderr, "Vantaro: nessuno schermo disponibile (DISPLAY e WAYLAND_DISPLAY non impostati).\n"
                             "Avviare il programma da una sessione grafica.\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantaro"));
    vt::InstallItalianTranslation(app);

    vt::QtUiServices ui;
    auto form1 = vt::CreateForms(ui);
    ui.SetParentWindow(form1.get());
    form1->show();
    return app.exec();
}
