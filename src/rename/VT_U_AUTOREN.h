#pragma once
// The assisted rename window: every AVI file of the shell list's folder as a
// row with a proposed title, mark buttons, an in-place editor and the rename
// of the ticked rows. The rows are the core table of rename/AutoRename.h;
// the list view is rebuilt from it after every change.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QMenu>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>
#include <string>
#include <vector>

#include "rename/AutoRename.h"
#include "rename/qt/NameEdit.h"

namespace vt {

class TForm1;
class ShellRows;

class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(TForm1* form1);

    // Fills the list from the AVI files of the shell list, gives the window
    // the main window's width at the left edge of the screen and shows it
    // modally. The automatic pass runs as it opens.
    void Execute(const ShellRows& rows);
    // Fills the list as an opening does, without showing the window.
    void Fill(const ShellRows& rows);

    std::vector<TRenameRow>& Rows() { return rows_; }
    // The options of the automatic pass as the controls hold them.
    AutoOptions Options() const;
    // The first selected row in list order, -1 when none is.
    int CurrentRow() const;

    // ---- handlers
    void FormShow();
    void ApplyAutoFunctions();
    void SBAPPLICAFClick();
    void SBLOCKClick();
    void CBGDVDClick();
    void CBGCDClick();
    void LVARENSelectItem(int row, bool selected);
    void LVARENDblClick();
    void SBCD1ADDClick();
    void SBCD2ADDClick();
    void SBCDCUTClick();
    void SBDVDADDClick();
    void SBDVDCUTClick();
    void SBSELTITClick();
    void PUMCHECKALLClick();
    void PUMUNCHECKALLClick();
    void PUMINVERTCHECKClick();
    void SBRENOKClick();

    // ---- controls
    QTreeWidget* LVAREN;
    QGroupBox* GroupBox1;
    QCheckBox* CBARREPL;
    QRadioButton* RBASIT;
    QRadioButton* RBFU;
    QRadioButton* RBAU;
    QRadioButton* RBAL;
    QCheckBox* CBGDVD;
    QWidget* Panel4;
    QRadioButton* RBDVDT;
    QRadioButton* RBDVDUC;
    QToolButton* SBDVDADD;
    QToolButton* SBDVDCUT;
    QCheckBox* CBGCD;
    QWidget* Panel5;
    QToolButton* SBCD1ADD;
    QToolButton* SBCD2ADD;
    QToolButton* SBCDCUT;
    QToolButton* SBSELTIT;
    QToolButton* SBAPPLICAF;
    QToolButton* SBLOCK;
    QToolButton* SBRENOK;
    NameEdit* EDSELEDIT;
    QMenu* PopupMenu1;
    QAction* PUMCHECKALL;
    QAction* PUMUNCHECKALL;
    QAction* PUMINVERTCHECK;

    // List view columns.
    enum Column { ColNewTitle, ColOldTitle, ColExt, ColCD, ColDVD };

protected:
    void showEvent(QShowEvent* e) override;

private:
    // Writes the rows into the list view: texts and ticks, the items kept
    // (and with them the selection) while the number of rows stays.
    void ShowRows();
    void PressMark(MarkButton button);
    void SetRowButtonsEnabled(bool on);
    template <class F>
    void Guard(F&& f);

    TForm1* form1_;
    std::string folder_;
    std::vector<TRenameRow> rows_;
    bool showingRows_ = false;
};

} // namespace vt
