#include "copy/qt/QtCopyJobView.h"

#include <algorithm>
#include <climits>

#include "platform/qt/Icons.h"
#include "platform/qt/QtUiServices.h"
#include "platform/qt/Widgets.h"

namespace vt {

namespace {
// Columns of LDEST: "Volume", "Directory", "Tempo", "MB/s".
constexpr int kTimeColumn = 2;
constexpr int kThroughputColumn = 3;
} // namespace

QtCopyJobView::QtCopyJobView(const CopyJobWidgets& w)
    : w_(w), states_(ImageList2()), files_(ImageList3()), marks_(ImageList1())
{
}

void QtCopyJobView::SetEntryState(int row, int state) { SetRowStateImage(w_.LISTASORG, row, state, files_, states_); }

void QtCopyJobView::ScrollEntryIntoView(int row)
{
    if (QTreeWidgetItem* item = w_.LISTASORG->topLevelItem(row))
        w_.LISTASORG->scrollToItem(item, QAbstractItemView::EnsureVisible);
}

void QtCopyJobView::SetDestState(int row, int state) { SetRowStateImage(w_.LDEST, row, state, marks_, states_); }

void QtCopyJobView::SetDestTexts(int row, const std::string& time, const std::string& throughput)
{
    if (QTreeWidgetItem* item = w_.LDEST->topLevelItem(row)) {
        item->setText(kTimeColumn, ToQ(time));
        item->setText(kThroughputColumn, ToQ(throughput));
    }
}

void QtCopyJobView::SetProgressMax(std::int64_t max)
{
    scale_ = max > INT_MAX ? max / INT_MAX + 1 : 1;
    // A range of 0..0 would turn the bar into a busy indicator.
    w_.PBTOT->setRange(0, std::max(1, static_cast<int>(max / scale_)));
}

void QtCopyJobView::SetProgressPosition(std::int64_t position)
{
    w_.PBTOT->setValue(static_cast<int>(std::min<std::int64_t>(position / scale_, w_.PBTOT->maximum())));
}

void QtCopyJobView::SetTotalTime(const std::string& text) { w_.TPASSATO->setText(ToQ(text)); }

void QtCopyJobView::SetStartEnabled(bool enabled) { w_.SBCOPIA->setEnabled(enabled); }

} // namespace vt
