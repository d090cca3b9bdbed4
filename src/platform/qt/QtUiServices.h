#pragma once
// UiServices of the desktop program.
#include <QPointer>
#include <QWidget>
#include <memory>

#include "platform/UiServices.h"

class QSoundEffect;

namespace vt {

class QtUiServices : public UiServices {
public:
    QtUiServices();
    ~QtUiServices() override;

    // Window the message boxes belong to (the main window once it exists).
    void SetParentWindow(QWidget* w) { parent_ = w; }

    void Beep() override;
    void Message(MsgIcon icon, const std::string& text) override;
    bool Confirm(MsgIcon icon, const std::string& text) override;
    void SetBusy(bool busy) override;
    void ProcessEvents() override;
    void PlaySound(const std::string& path) override;

private:
    QPointer<QWidget> parent_;
    std::unique_ptr<QSoundEffect> sound_;
    int busyDepth_ = 0;
};

// QString <-> the bytes of a path or a name. Names are kept as bytes in the
// core; Qt sees them through the file-name codec, which for a name that is
// not valid UTF-8 only changes what is shown.
QString ToQ(const std::string& s);
std::string FromQ(const QString& s);
QString PathToQ(const std::string& path);
std::string PathFromQ(const QString& path);

} // namespace vt
