#include "copy/qt/CopyProgressDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Regional.h"
#include "platform/qt/QtUiServices.h"

namespace vt {

CopyProgressDialog::CopyProgressDialog(SharedProgress& progress, QWidget* parent) : QDialog(parent), progress_(progress)
{
    setObjectName(QStringLiteral("CopyProgressDialog"));
    setWindowTitle(QStringLiteral("Copia in corso"));
    setModal(true);
    setMinimumWidth(480);

    auto* grid = new QGridLayout;
    auto row = [&](int r, const QString& caption) {
        auto* c = new QLabel(caption, this);
        auto* v = new QLabel(this);
        v->setTextInteractionFlags(Qt::TextSelectableByMouse);
        v->setMinimumWidth(360);
        grid->addWidget(c, r, 0, Qt::AlignLeft | Qt::AlignTop);
        grid->addWidget(v, r, 1);
        return v;
    };
    file_ = row(0, QStringLiteral("File :"));
    from_ = row(1, QStringLiteral("Da :"));
    to_ = row(2, QStringLiteral("A :"));
    bytes_ = row(3, QStringLiteral("Copiati :"));
    speed_ = row(4, QStringLiteral("Velocità :"));
    left_ = row(5, QStringLiteral("Tempo rimanente :"));
    file_->setObjectName(QStringLiteral("file"));
    bytes_->setObjectName(QStringLiteral("bytes"));

    bar_ = new QProgressBar(this);
    bar_->setRange(0, 100);
    cancel_ = new QPushButton(QStringLiteral("Annulla"), this);
    cancel_->setObjectName(QStringLiteral("Annulla"));
    connect(cancel_, &QPushButton::clicked, this, [this] { RequestCancel(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addWidget(bar_);
    main->addLayout(buttons);

    clock_.start();
    refresh_.setInterval(250);
    connect(&refresh_, &QTimer::timeout, this, [this] { Refresh(); });
    refresh_.start();
    Refresh();
}

void CopyProgressDialog::Refresh()
{
    ProgressTexts t = MakeProgressTexts(progress_.Snapshot(), static_cast<double>(clock_.elapsed()) / 1000.0,
                                        ItalianFormat());
    file_->setText(PathToQ(t.file));
    from_->setText(PathToQ(t.from));
    to_->setText(PathToQ(t.to));
    bytes_->setText(ToQ(t.bytes));
    speed_->setText(ToQ(t.throughput));
    left_->setText(ToQ(t.timeLeft));
    bar_->setValue(t.percent);
}

void CopyProgressDialog::RequestCancel()
{
    progress_.RequestCancel();
    cancel_->setEnabled(false);
    cancel_->setText(QStringLiteral("Annullamento..."));
}

void CopyProgressDialog::reject()
{
    if (finished_)
        QDialog::reject();
    else
        RequestCancel();
}

void CopyProgressDialog::Finish()
{
    finished_ = true;
    refresh_.stop();
    accept();
}

} // namespace vt
