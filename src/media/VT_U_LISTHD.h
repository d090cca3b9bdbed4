#pragma once
// TForm5: the titles of the medium scanned last, in a list the user sorts
// by any column and searches for duplicate titles; the selected title can
// be played or its file deleted. The rows are the media title table of the
// program state, shown through MediaTitleModel; the window keeps none of
// its own.
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeView>
#include <cstdint>
#include <functional>

#include "media/PlayerLaunch.h"

namespace vt {

class TForm1;
class MediaTitleModel;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(TForm1* form1);

    // PUMHDEXEC, after the scan: panel 0 := "Numero titoli trovati : N",
    // the new rows, shown modally.
    void ShowAfterScan();
    // PUMHDSHOWLIST: shown modally with the rows as they are.
    void ShowList();
    // Shows the table's rows again after the logic changed it.
    void Reload();
    // Index of the selected row (= table entry), -1 when none is.
    int SelectedRow() const;

    // ---- handlers
    void FormShow();
    void LVSUCColumnClick(int column);
    void LVSUCSelectItem(bool selected);
    void LVSUCDblClick();
    void SBSEARCHClick();
    void SBHDDELClick();
    void SBHDPLAYClick();

    // LVSUCDblClick on a title of the archive calls this with its record
    // number. The title-details window is wired here when it exists; until
    // then a double click does nothing.
    std::function<void(std::int32_t recordNumber)> ShowFilmDetailsHook;
    // How PLAY starts the player; tests record the command instead.
    Spawner spawn;

    QTreeView* LVSUC;
    MediaTitleModel* model;
    QStatusBar* StatusBar1;
    QLabel* StatusPanel0; // the count of the scan
    QLabel* StatusPanel1; // this window's messages
    QGroupBox* GroupBox1;
    QLabel* Label1;
    QCheckBox* CBSDDATAF;
    QCheckBox* CBSDDIMF;
    QCheckBox* CBSDRIS;
    QToolButton* SBSEARCH;
    QGroupBox* GroupBox2;
    QToolButton* SBHDPLAY;
    QToolButton* SBHDDEL;

protected:
    void showEvent(QShowEvent* e) override;

private:
    template <class F>
    void Guard(F&& f);

    TForm1* form1_;
    bool shownOnce_ = false;
};

} // namespace vt
