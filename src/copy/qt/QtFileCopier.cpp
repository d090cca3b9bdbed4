#include "copy/qt/QtFileCopier.h"

#include <QEventLoop>
#include <QTimer>
#include <thread>

#include "copy/qt/CopyProgressDialog.h"

namespace vt {

QtFileCopier::QtFileCopier(QWidget* owner, CopyTuning tuning, int showDelayMs, Mover mover)
    : owner_(owner), tuning_(tuning), showDelayMs_(showDelayMs), mover_(std::move(mover))
{
    if (!mover_)
        mover_ = [this](const std::vector<std::string>& s, const std::string& d, SharedProgress& p) {
            return CopyPaths(s, d, p, tuning_);
        };
}

CopyOutcome QtFileCopier::Copy(const std::vector<std::string>& sources, const std::string& destFolder,
                               bool showProgress)
{
    SharedProgress progress;
    CopyResult result;
    // Everything below but the worker's own call runs on the GUI thread:
    // the worker only posts "done" to `context`, which outlives it.
    QObject context;
    bool finished = false;
    QEventLoop* activeLoop = nullptr;
    CopyProgressDialog* dialog = nullptr;

    std::thread worker([&] {
        result = mover_(sources, destFolder, progress);
        QMetaObject::invokeMethod(
            &context,
            [&] {
                finished = true;
                if (dialog)
                    dialog->Finish();
                if (activeLoop)
                    activeLoop->quit();
            },
            Qt::QueuedConnection);
    });

    // Until the window shows, and for a request without a window, the
    // program repaints but takes no clicks or keys: the job's tables must
    // not change under it.
    {
        QEventLoop loop;
        activeLoop = &loop;
        if (showProgress)
            QTimer::singleShot(showDelayMs_, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        activeLoop = nullptr;
    }
    if (!finished) {
        CopyProgressDialog box(progress, owner_.data());
        dialog = &box;
        if (onDialogShown)
            QTimer::singleShot(0, &box, [this, &box] { onDialogShown(box); });
        box.exec();
        dialog = nullptr;
    }
    // The window can only end without the copier's "done" when the program
    // is quitting: stop the copy rather than wait for all of it.
    if (!finished)
        progress.RequestCancel();
    worker.join();
    return {result.failed, result.aborted, result.error};
}

} // namespace vt
