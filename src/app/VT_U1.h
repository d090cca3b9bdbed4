#pragma once
// The main window: three tabs ("Selezione Files", "Copia Files", "Setting")
// over a bar of counters. The controls carry the names the rest of the
// program knows them by; the handlers read controls, call the logic and
// write the results back.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QRadioButton>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>
#include <memory>
#include <string>

#include "app/ProgramState.h"
#include "app/Settings.h"
#include "app/WindowSize.h"
#include "archive/TitleCheck.h"
#include "media/PlayerLaunch.h"
#include "platform/UiServices.h"
#include "platform/qt/ShellBrowser.h"
#include "platform/qt/Widgets.h"

namespace vt {

class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // `programFolder` is where the settings file lives; empty: the folder
    // of the executable. FormCreate runs before the constructor returns.
    explicit TForm1(UiServices& ui, std::string programFolder = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    ProgramState& state() { return state_; }
    UiServices& ui() { return ui_; }

    // The secondary windows, created hidden after this one.
    void AttachForms(TForm2* f2, TForm3* f3, TForm4* f4, TForm5* f5, TForm6* f6);
    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
    TForm4* Form4 = nullptr;
    TForm5* Form5 = nullptr;
    TForm6* Form6 = nullptr;

    // ---- handlers of the window itself and of the settings
    void FormCreate();
    void FormShow();
    void ReadSettings();
    void WriteSettings();
    void SBSAVEClick();
    void CBVERINFILEClick();
    void CBXTIPOCONTRChange();
    void RBALLLISTClick();
    void CBPUMMIOClick();
    void Su1Click();
    void Giu1Click();
    void Full1Click();
    void SBUP1LClick();

    // ---- copy list, destination list, folder creation
    void ADDNAMESClick();
    void SBREMOVEClck();
    void CLEARNAMESClic();
    void ShowFileList();
    void ShowDestList();
    void SLV1FillComplete();
    void ADDDESTClick();
    void REMDESTClick();
    void SpeedButton1Click();
    void creacartella1Click();
    void CreaCartellaconDatacorrente1Click();

    // ---- title check and its windows
    void SBDBSTATClick(CheckMode mode);
    void SBDBLISTClick();
    void SLV1DblClickOpen(int row, bool& handled);

    // ---- selection info, media scan, player
    void SLV1SelectItem(int row, bool selected);
    void PUMHDSELMEDIAClick();
    void PUMHDEXECClick();
    void PUMHDSHOWLISTClick();
    void SBMAPDISKClick();
    void PREVIEWClick();
    void NAVPLAYERClick();

    // ---- copy job
    void SBCOPIAClick();

    // ---- renaming
    void SBRENClick();
    void SBRENWIZClick();

    // ---- player
    // The configured player on one file, or the side-by-side player on two.
    void PlayVideo(const std::string& first, const std::string& second = {});
    // Starts the players; empty: the real detached start. Tests record.
    Spawner PlayerSpawner;

    // ---- film archive
    void LoadFilmArchive();
    void SBDBPOSClick();
    void SBDBREFRClick();

    // The options of the "Setting" tab as plain values, and back.
    SettingsValues CollectSettings() const;
    // Applies lines 1..linesApplied of `v` to the controls.
    void ApplySettings(const SettingsValues& v, int linesApplied = kSettingsLines);

    // ---- tab 1 "Selezione Files"
    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QSplitter* Splitter1;
    QWidget* Panel5;
    QWidget* Panel3;
    QToolButton* SBDBSTAT;
    QToolButton* SBMAPDISK;
    QToolButton* SBDBLIST;
    QToolButton* SBREN;
    QToolButton* SBRENWIZ;
    QToolButton* PREVIEW;
    QCheckBox* CBPUMMIO;
    QToolButton* SBUP1L;
    QSplitter* Splitter2;
    ShellTree* STV1;
    ShellList* SLV1;
    QToolButton* ADDNAMES;
    QToolButton* SBREMOVE;
    QToolButton* CLEARNAMES;
    QTreeWidget* LISTANOMI;
    QLabel* LBNUM;
    QLabel* LBDIM;
    QToolButton* ADDDEST;
    QToolButton* REMDEST;
    QToolButton* SpeedButton1;
    QTreeWidget* LDEST2;

    // ---- tab 2 "Copia Files"
    QWidget* TabSheet2;
    QLabel* NFDC;
    QLabel* MBDC;
    QLabel* TPASSATO;
    QToolButton* SBCOPIA;
    QLabel* STTIPOCOPIA;
    QCheckBox* CBHIDEAPI;
    QTreeWidget* LISTASORG;
    QTreeWidget* LDEST;
    QProgressBar* PBTOT;
    QLabel* P100TOT;

    // ---- tab 3 "Setting"
    QWidget* TabSheet3;
    QToolButton* SBSAVE;
    QTabWidget* PageControl2;
    QWidget* TabSheet4;
    QWidget* TabSheet5;
    QWidget* TabSheet6;
    QGroupBox* GroupBox1;
    QGroupBox* GroupBox2;
    QGroupBox* GroupBox3;
    QGroupBox* GroupBox4;
    QGroupBox* GroupBox5;
    QGroupBox* GroupBox6;
    PathEdit* PLAYER;
    QToolButton* NAVPLAYER;
    QCheckBox* CBVERINFILE;
    QCheckBox* CBVERINDEST;
    QRadioButton* RBOVERWRITE;
    QRadioButton* RBSKIPFILE;
    PathEdit* EDDBPOS;
    QToolButton* SBDBPOS;
    QToolButton* SBDBREFR;
    QComboBox* CBXTIPOCONTR;
    QCheckBox* CBDBDATAF;
    QCheckBox* CBDBDIMF;
    QCheckBox* CBDBRIS;
    SpinEdit* MINMB;
    QCheckBox* VOCAL;
    QRadioButton* RBFBYF;
    QRadioButton* RBALLLIST;

    // ---- bottom bar
    QWidget* Panel2;
    QLabel* LBDFREE;
    QLabel* LBNUMSEL;
    QLabel* LBDIMSEL;
    QToolButton* SpeedButton2;
    QLabel* Label4;

    // ---- menus and dialogs
    QMenu* PopupMenu1;
    QAction* creacartella1;
    QAction* CreaCartellaconDatacorrente1;
    QMenu* PopupMenu2;
    QAction* PUMHDSELMEDIA;
    QAction* PUMHDEXEC;
    QAction* PUMHDSHOWLIST;
    QAction* PUMHDTEST;
    QMenu* PopupMenu3;
    QAction* Su1;
    QAction* Giu1;
    QAction* Full1;
    std::unique_ptr<FolderBrowseDialog> FD1;

signals:
    void shown();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void BuildSelectionTab();
    void BuildCopyTab();
    void BuildSettingTab();
    void BuildBottomBar();
    void BuildMenus();
    void ConnectSettingHandlers();
    void ConnectSelectionHandlers();
    void ConnectArchiveHandlers();
    void ConnectTitleCheckHandlers();
    void ConnectMediaHandlers();
    void ShowWalkPath(const std::string& path);
    void ApplyPlacement(WindowPlacement p);
    // Runs a handler inside the error guard.
    template <class F>
    void Guard(F&& f)
    {
        RunGuarded(ui_, std::forward<F>(f));
    }

    UiServices& ui_;
    ProgramState state_;
    QButtonGroup* copyOptionGroup_;
    QButtonGroup* copyModeGroup_;
    bool titleCheckRunning_ = false;
};

// The program's windows in the order they are created: the main window
// first (its FormCreate runs at once), then the five secondary windows,
// hidden, owned by the main window.
std::unique_ptr<TForm1> CreateForms(UiServices& ui, std::string programFolder = {});

// Loads Qt's own Italian texts ("Annulla", "Sì", "Apri") whatever the
// machine's locale, and makes Italian the default locale of the widgets.
void InstallItalianTranslation(QApplication& app);

} // namespace vt
