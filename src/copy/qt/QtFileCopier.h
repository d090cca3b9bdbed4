#pragma once
// The copier of the desktop program: the bytes move on a worker thread
// while the GUI thread keeps painting, and after about a second the modal
// progress window shows with "Annulla" (unless the request hides it). The
// call returns when the copy is over, as the copy job expects.
#include <QPointer>
#include <QWidget>
#include <functional>

#include "copy/CopyProgress.h"
#include "copy/ShellCopy.h"

namespace vt {

class CopyProgressDialog;

class QtFileCopier : public FileCopier {
public:
    // What runs on the worker; CopyPaths unless a test puts its own.
    using Mover = std::function<CopyResult(const std::vector<std::string>&, const std::string&, SharedProgress&)>;

    explicit QtFileCopier(QWidget* owner, CopyTuning tuning = {}, int showDelayMs = 1000, Mover mover = {});
    CopyOutcome Copy(const std::vector<std::string>& sources, const std::string& destFolder, bool showProgress) override;

    // Called with the window once it shows (tests drive it from there).
    std::function<void(CopyProgressDialog&)> onDialogShown;

private:
    QPointer<QWidget> owner_;
    CopyTuning tuning_;
    int showDelayMs_;
    Mover mover_;
};

} // namespace vt
