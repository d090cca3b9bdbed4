#pragma once
// The single rename dialog: renames one item of the shell list in place,
// with tools that build the new name. The tools themselves are the plain
// functions of rename/RenameTools.h; the handlers read the edit, call one of
// them and write the answer back.
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <string>

#include "rename/RenameTools.h"
#include "rename/qt/NameEdit.h"

namespace vt {

class TForm1;
class ShellRows;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(TForm1* form1);

    // Fills the dialog for the item `name` of `folder`, shows it modally and
    // returns true when the item was renamed.
    bool Execute(const std::string& folder, const std::string& name);
    // The same for the first selected row of the shell list; false without
    // opening when no row is selected.
    bool Execute(const ShellRows& rows);
    // Fills the controls as an opening does (volume, path, both names, Undo
    // disabled), without showing the dialog.
    void Fill(const std::string& folder, const std::string& name);
    // True when the last closing renamed the item.
    bool Renamed() const { return renamed_; }

    // ---- handlers
    void FormShow();
    void SBPULISCIClick();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void SBUNDOClick();
    void EDNEWNAMEChange();
    void EDNEWNAMEKeyUp(int key);
    void SBRENOKClick();
    void SBRENABORTClick();
    void DoRename();

    // The CD radio buttons as the tools see them.
    CDChoice CDState() const;

    // ---- controls
    QLabel* STVOLREN;
    QLabel* STPATHREN;
    NameEdit* EDOLDNAME;
    NameEdit* EDNEWNAME;
    QToolButton* SBUNDO;
    QComboBox* CBFIND;
    QComboBox* CBSOST;
    QLabel* LBSOST;
    QToolButton* SBPULISCI;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    QGroupBox* GroupBoxCD;
    QRadioButton* RBCD1;
    QRadioButton* RBCD2;
    QPushButton* BitBtn5;
    QPushButton* BitBtn4;
    QGroupBox* GroupBoxNome;
    QPushButton* BitBtn6;
    QToolButton* SBRENOK;
    QToolButton* SBRENABORT;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    EditText CurrentEdit() const;
    void Apply(const ToolResult& r);
    // A combo box's item index; typed-over text counts as no item (-1).
    static int ItemIndex(const QComboBox* box);
    template <class F>
    void Guard(F&& f);

    TForm1* form1_;
    std::string folder_;
    QButtonGroup* cdGroup_;
    bool renamed_ = false;
    bool enterDown_ = false;
};

} // namespace vt
