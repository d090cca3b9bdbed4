#pragma once
// The copy job's screen in the main window: the state pictures of
// LISTASORG and LDEST, LDEST's "Tempo" and "MB/s", PBTOT, TPASSATO and
// SBCOPIA. SBCOPIAClick builds one over its controls:
//
//   QtCopyJobView view({LISTASORG, LDEST, PBTOT, TPASSATO, SBCOPIA});
//   QtFileCopier copier(this);
//   RunCopyJob(state_, {RBSKIPFILE->isChecked(), CBHIDEAPI->isChecked(), VOCAL->isChecked(),
//                       state_.ProgramFolder}, view, ui_, copier);
#include <QAbstractButton>
#include <QIcon>
#include <QLabel>
#include <QList>
#include <QProgressBar>
#include <QTreeWidget>

#include "copy/CopyJob.h"

namespace vt {

struct CopyJobWidgets {
    QTreeWidget* LISTASORG;
    QTreeWidget* LDEST;
    QProgressBar* PBTOT;
    QLabel* TPASSATO;
    QAbstractButton* SBCOPIA;
};

class QtCopyJobView : public CopyJobView {
public:
    explicit QtCopyJobView(const CopyJobWidgets& w);

    void SetEntryState(int row, int state) override;
    void ScrollEntryIntoView(int row) override;
    void SetDestState(int row, int state) override;
    void SetDestTexts(int row, const std::string& time, const std::string& throughput) override;
    void SetProgressMax(std::int64_t max) override;
    void SetProgressPosition(std::int64_t position) override;
    void SetTotalTime(const std::string& text) override;
    void SetStartEnabled(bool enabled) override;

private:
    CopyJobWidgets w_;
    QList<QIcon> states_, files_, marks_;
    std::int64_t scale_ = 1; // QProgressBar counts in int: larger jobs are scaled down
};

} // namespace vt
