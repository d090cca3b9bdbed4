#pragma once
#include <QDialog>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <vector>

#include "archive/TitleCheck.h"

namespace vt {

class TForm1;

// The files the last title check found with differing details, side by
// side with the archive or media title they matched.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(TForm1* form1);

    // The title check's set-up of the window for its mode: column captions
    // and the media play buttons.
    void SetUpForMode(CheckMode mode);
    // The list rebuilt from the rows of the last check, and one row added.
    void ShowRows(const std::vector<ComparisonRow>& rows);
    void AddRow(const ComparisonRow& row);

    void LISTATITDBSelectItem();
    void SBDETTTITClick();
    void SBSORGPLAYClick();
    void SBHDPLAYClick();
    void SBPLAYDBLClick();
    void SBADDSELOSELClick();

    QTreeWidget* LISTATITDB;
    QPushButton* SBADDSELOSEL;
    QPushButton* SBDETTTIT;
    QToolButton* SBSORGPLAY;
    QToolButton* SBHDPLAY;
    QToolButton* SBPLAYDBL;

private:
    QTreeWidgetItem* CurrentRow() const;
    std::string SourcePath(const QTreeWidgetItem* row) const;
    // The media title of a row of a media check; nullptr when the list has
    // changed and the position is gone.
    const TMediaTitle* MediaTitleOf(const QTreeWidgetItem* row) const;
    std::string MediaFilePath(const QTreeWidgetItem* row) const;
    // The matched media file alone, or side by side with the source.
    void PlayMedia(bool withSource);

    TForm1* form1_;
    QList<QIcon> images_;
};

} // namespace vt
