#pragma once
// The copy progress window: the file being copied, from where to where,
// the bytes done of the request's total, throughput, time left, a bar and
// "Annulla". It only shows what the copier's SharedProgress says; a click
// on "Annulla" (or closing the window) asks the copier to stop, and the
// window stays until the copier has stopped and Finish() is called.
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include "copy/CopyProgress.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace vt {

class CopyProgressDialog : public QDialog {
    Q_OBJECT
public:
    CopyProgressDialog(SharedProgress& progress, QWidget* parent = nullptr);

    // Reads the progress now (a timer does it a few times a second).
    void Refresh();
    // The copier is done: the window closes.
    void Finish();

    QLabel* fileLabel() const { return file_; }
    QLabel* bytesLabel() const { return bytes_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    void reject() override; // Esc or the window's close button: a cancel

private:
    void RequestCancel();

    SharedProgress& progress_;
    QElapsedTimer clock_;
    QTimer refresh_;
    QLabel* file_;
    QLabel* from_;
    QLabel* to_;
    QLabel* bytes_;
    QLabel* speed_;
    QLabel* left_;
    QProgressBar* bar_;
    QPushButton* cancel_;
    bool finished_ = false;
};

} // namespace vt
