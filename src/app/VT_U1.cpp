#include "app/VT_U1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "app/Version.h"
#include "archive/FilmArchive.h"
#include "archive/TitleKey.h"
#include "archive/VT_U_DETT_DB.h"
#include "archive/VT_U_LISTDB.h"
#include "copy/CopyJob.h"
#include "copy/qt/QtCopyJobView.h"
#include "copy/qt/QtFileCopier.h"
#include "media/MediaScan.h"
#include "media/SelectionInfo.h"
#include "media/VT_U_LISTHD.h"
#include "rename/VT_U_AUTOREN.h"
#include "rename/VT_U_REN.h"
#include "selection/CopyList.h"
#include "selection/DestList.h"
#include "selection/FolderCreation.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/qt/Icons.h"
#include "platform/qt/QtUiServices.h"

namespace vt {

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& text, const QString& objectName = {})
{
    auto* l = new QLabel(text, parent);
    if (!objectName.isEmpty())
        l->setObjectName(objectName);
    return l;
}

QIcon Std(QStyle::StandardPixmap p) { return QApplication::style()->standardIcon(p); }

// A caption and its value side by side: "Files : " 0.
QWidget* Pair(QWidget* parent, const QString& caption, QLabel* value)
{
    auto* w = new QWidget(parent);
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(2);
    h->addWidget(new QLabel(caption, w));
    value->setParent(w);
    h->addWidget(value);
    return w;
}

} // namespace

TForm1::TForm1(UiServices& ui, std::string programFolder, QWidget* parent) : QWidget(parent), ui_(ui)
{
    setObjectName(QStringLiteral("Form1"));
    setMinimumSize(kMinWindowWidth, kMinWindowHeight);
    setWindowTitle(QString::fromLatin1(kCaptionPrefix));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    BuildSelectionTab();
    BuildCopyTab();
    BuildSettingTab();
    BuildBottomBar();
    BuildMenus();
    ConnectSettingHandlers();
    ConnectSelectionHandlers();
    ConnectArchiveHandlers();
    ConnectTitleCheckHandlers();
    ConnectMediaHandlers();

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(2, 2, 2, 2);
    main->setSpacing(2);
    main->addWidget(PageControl1, 1);
    main->addWidget(Panel2);

    FD1 = std::make_unique<FolderBrowseDialog>(this, QStringLiteral("Seleziona cartella CNR o Films.txt"));

    state_.ProgramFolder = programFolder.empty() ? ExtractFilePath(ExecutablePath()) : programFolder;
    if (!state_.ProgramFolder.empty() && state_.ProgramFolder.back() != PathDelim)
        state_.ProgramFolder += PathDelim;

    SLV1->SetUi(&ui_);
    SLV1->SetStateIcons(ImageList3());
    STV1->SetShellList(SLV1);
    const char* home = getenv("HOME");
    if (!SLV1->OpenFolder(home && *home ? home : "/"))
        SLV1->OpenFolder("/");

    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::AttachForms(TForm2* f2, TForm3* f3, TForm4* f4, TForm5* f5, TForm6* f6)
{
    Form2 = f2;
    Form3 = f3;
    Form4 = f4;
    Form5 = f5;
    Form6 = f6;
}

// ------------------------------------------------------------------ layout

void TForm1::BuildSelectionTab()
{
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Selezione Files"));

    Splitter1 = new QSplitter(Qt::Horizontal, TabSheet1);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    auto* tabLayout = new QVBoxLayout(TabSheet1);
    tabLayout->setContentsMargins(2, 2, 2, 2);
    tabLayout->addWidget(Splitter1);

    // Browser half: a row of buttons over the tree and the list.
    Panel5 = new QWidget(Splitter1);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setMinimumWidth(290);
    auto* p5 = new QVBoxLayout(Panel5);
    p5->setContentsMargins(0, 0, 0, 0);
    p5->setSpacing(2);
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    SBDBSTAT = MakeSpeedButton(Panel5, "SBDBSTAT", VtIcon("db_check"), "Esegui controllo titoli su DataBase");
    SBDBSTAT->setEnabled(false);
    SBMAPDISK = MakeSpeedButton(Panel5, "SBMAPDISK", VtIcon("media"), "Funzioni su Media Titoli");
    SBDBLIST = MakeSpeedButton(Panel5, "SBDBLIST", VtIcon("db_list"), "Mostra dettagli controllo titoli su DataBase");
    SBDBLIST->setEnabled(false);
    SBREN = MakeSpeedButton(Panel5, "SBREN", VtIcon("rename"), "Rinomina Oggetto selezionato");
    SBREN->setEnabled(false);
    SBRENWIZ = MakeSpeedButton(Panel5, "SBRENWIZ", VtIcon("rename_all"), "Rinomina automatica intera lista");
    PREVIEW = MakeSpeedButton(Panel5, "PREVIEW", VtIcon("play"), "Preview Filmato / Musica");
    PREVIEW->setEnabled(false);
    CBPUMMIO = new QCheckBox(QStringLiteral("PUM"), Panel5);
    CBPUMMIO->setObjectName(QStringLiteral("CBPUMMIO"));
    CBPUMMIO->setChecked(true);
    SBUP1L = MakeSpeedButton(Panel5, "SBUP1L", Std(QStyle::SP_FileDialogToParent), "Su di 1 livello di directory");
    for (QWidget* w : {static_cast<QWidget*>(SBDBSTAT), static_cast<QWidget*>(SBMAPDISK),
                       static_cast<QWidget*>(SBDBLIST), static_cast<QWidget*>(SBREN),
                       static_cast<QWidget*>(SBRENWIZ), static_cast<QWidget*>(PREVIEW),
                       static_cast<QWidget*>(CBPUMMIO)})
        row->addWidget(w);
    row->addStretch(1);
    row->addWidget(SBUP1L);
    p5->addLayout(row);

    Splitter2 = new QSplitter(Qt::Horizontal, Panel5);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    Splitter2->setChildrenCollapsible(false);
    STV1 = new ShellTree(Splitter2);
    STV1->setObjectName(QStringLiteral("STV1"));
    SLV1 = new ShellList(Splitter2);
    SLV1->setObjectName(QStringLiteral("SLV1"));
    Splitter2->setStretchFactor(1, 1);
    p5->addWidget(Splitter2, 1);

    // Copy list over destination list.
    Panel3 = new QWidget(Splitter1);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setMinimumWidth(290);
    auto* p3 = new QVBoxLayout(Panel3);
    p3->setContentsMargins(0, 0, 0, 0);
    p3->setSpacing(2);
    auto* listRow = new QHBoxLayout;
    ADDNAMES = MakeSpeedButton(Panel3, "ADDNAMES", VtIcon("add"), "Aggiungi files selezionati alla lista");
    SBREMOVE = MakeSpeedButton(Panel3, "SBREMOVE", VtIcon("remove"), "Togli files selezionati dalla lista");
    CLEARNAMES = MakeSpeedButton(Panel3, "CLEARNAMES", VtIcon("clear"), "Pulisci lista");
    listRow->addWidget(ADDNAMES);
    listRow->addWidget(SBREMOVE);
    listRow->addWidget(CLEARNAMES);
    listRow->addStretch(1);
    LBNUM = MakeLabel(Panel3, QStringLiteral("0"), QStringLiteral("LBNUM"));
    LBDIM = MakeLabel(Panel3, QString(), QStringLiteral("LBDIM"));
    listRow->addWidget(Pair(Panel3, QStringLiteral("Files : "), LBNUM));
    listRow->addSpacing(12);
    listRow->addWidget(Pair(Panel3, QStringLiteral("Dim. : "), LBDIM));
    p3->addLayout(listRow);
    LISTANOMI = MakeListView(Panel3, "LISTANOMI", {QStringLiteral("Files da copiare")}, true);
    p3->addWidget(LISTANOMI, 3);

    auto* destRow = new QHBoxLayout;
    ADDDEST = MakeSpeedButton(Panel3, "ADDDEST", VtIcon("add"), "Aggiungi destinazione alla lista");
    REMDEST = MakeSpeedButton(Panel3, "REMDEST", VtIcon("remove"), "Togli destinazione dalla lista");
    SpeedButton1 = MakeSpeedButton(Panel3, "SpeedButton1", VtIcon("clear"), "Pulisci lista");
    destRow->addWidget(ADDDEST);
    destRow->addWidget(REMDEST);
    destRow->addWidget(SpeedButton1);
    auto* destCaption = MakeLabel(Panel3, QStringLiteral("Destinazioni"));
    destCaption->setAlignment(Qt::AlignCenter);
    destRow->addWidget(destCaption, 1);
    p3->addLayout(destRow);
    LDEST2 = MakeListView(Panel3, "LDEST2",
                          {QStringLiteral("Volume"), QStringLiteral("Directory"), QStringLiteral("Spazio MB")}, true);
    LDEST2->header()->setStretchLastSection(false);
    LDEST2->header()->resizeSection(0, 90);
    LDEST2->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    LDEST2->header()->resizeSection(2, 65);
    p3->addWidget(LDEST2, 2);

    Splitter1->setStretchFactor(1, 1);
}

void TForm1::BuildCopyTab()
{
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Copia Files"));
    auto* v = new QVBoxLayout(TabSheet2);
    v->setContentsMargins(4, 4, 4, 4);

    auto* top = new QHBoxLayout;
    auto* counters = new QGridLayout;
    NFDC = MakeLabel(TabSheet2, QStringLiteral("0"), QStringLiteral("NFDC"));
    MBDC = MakeLabel(TabSheet2, QString(), QStringLiteral("MBDC"));
    TPASSATO = MakeLabel(TabSheet2, QStringLiteral("0:00:00"), QStringLiteral("TPASSATO"));
    counters->addWidget(new QLabel(QStringLiteral("Files da copiare : "), TabSheet2), 0, 0, Qt::AlignRight);
    counters->addWidget(NFDC, 0, 1);
    counters->addWidget(new QLabel(QStringLiteral("Dim. da copiare : "), TabSheet2), 1, 0, Qt::AlignRight);
    counters->addWidget(MBDC, 1, 1);
    counters->addWidget(new QLabel(QStringLiteral("Tempo totale : "), TabSheet2), 2, 0, Qt::AlignRight);
    counters->addWidget(TPASSATO, 2, 1);
    top->addStretch(1);
    top->addLayout(counters);
    top->addSpacing(16);
    auto* startBox = new QVBoxLayout;
    SBCOPIA = MakeSpeedButton(TabSheet2, "SBCOPIA", VtIcon("copy"), QString(), QStringLiteral("START COPIA"));
    SBCOPIA->setAutoRaise(false);
    SBCOPIA->setIconSize(QSize(24, 24));
    QFont bold = SBCOPIA->font();
    bold.setBold(true);
    SBCOPIA->setFont(bold);
    SBCOPIA->setMinimumSize(150, 36);
    startBox->addWidget(SBCOPIA);
    STTIPOCOPIA = MakeLabel(TabSheet2, QStringLiteral("Invoca API File per File"), QStringLiteral("STTIPOCOPIA"));
    STTIPOCOPIA->setAlignment(Qt::AlignCenter);
    STTIPOCOPIA->setStyleSheet(QStringLiteral("color: blue;"));
    startBox->addWidget(STTIPOCOPIA);
    CBHIDEAPI = new QCheckBox(QStringLiteral("Nascondi finestra API"), TabSheet2);
    CBHIDEAPI->setObjectName(QStringLiteral("CBHIDEAPI"));
    startBox->addWidget(CBHIDEAPI);
    top->addLayout(startBox);
    v->addLayout(top);

    auto* lists = new QHBoxLayout;
    auto* srcBox = new QVBoxLayout;
    auto* srcCaption = MakeLabel(TabSheet2, QStringLiteral("Sorgenti"));
    srcCaption->setAlignment(Qt::AlignCenter);
    srcBox->addWidget(srcCaption);
    LISTASORG = MakeListView(TabSheet2, "LISTASORG",
                             {QStringLiteral("Nome File"), QStringLiteral("Dimensione"), QStringLiteral("Data")}, false);
    LISTASORG->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    LISTASORG->header()->resizeSection(0, 300);
    srcBox->addWidget(LISTASORG);
    auto* dstBox = new QVBoxLayout;
    auto* dstCaption = MakeLabel(TabSheet2, QStringLiteral("Destinazioni"));
    dstCaption->setAlignment(Qt::AlignCenter);
    dstBox->addWidget(dstCaption);
    LDEST = MakeListView(TabSheet2, "LDEST",
                         {QStringLiteral("Volume"), QStringLiteral("Directory"), QStringLiteral("Tempo"),
                          QStringLiteral("MB/s")},
                         false);
    LDEST->header()->resizeSection(1, 220);
    dstBox->addWidget(LDEST);
    lists->addLayout(srcBox, 3);
    lists->addLayout(dstBox, 2);
    v->addLayout(lists, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("TOTALE"), TabSheet2));
    PBTOT = new QProgressBar(TabSheet2);
    PBTOT->setObjectName(QStringLiteral("PBTOT"));
    PBTOT->setTextVisible(false);
    PBTOT->setRange(0, 100);
    PBTOT->setValue(0);
    bottom->addWidget(PBTOT, 1);
    P100TOT = MakeLabel(TabSheet2, QStringLiteral("0%"), QStringLiteral("P100TOT"));
    bottom->addWidget(P100TOT);
    v->addLayout(bottom);
}

void TForm1::BuildSettingTab()
{
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Setting"));
    auto* h = new QHBoxLayout(TabSheet3);
    auto* saveCol = new QVBoxLayout;
    SBSAVE = MakeSpeedButton(TabSheet3, "SBSAVE", Std(QStyle::SP_DialogSaveButton), QString(), QStringLiteral("SALVA"));
    SBSAVE->setAutoRaise(false);
    SBSAVE->setMinimumSize(90, 32);
    SBSAVE->setEnabled(false);
    saveCol->addWidget(SBSAVE);
    saveCol->addStretch(1);
    h->addLayout(saveCol);
    PageControl2 = new QTabWidget(TabSheet3);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    h->addWidget(PageControl2, 1);

    // "Varie": player, list options, copy options.
    TabSheet4 = new QWidget;
    TabSheet4->setObjectName(QStringLiteral("TabSheet4"));
    PageControl2->addTab(TabSheet4, QStringLiteral("   Varie   "));
    auto* v4 = new QVBoxLayout(TabSheet4);
    GroupBox2 = new QGroupBox(QStringLiteral("  Player filmati associato  "), TabSheet4);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto* g2 = new QHBoxLayout(GroupBox2);
    PLAYER = new PathEdit(GroupBox2);
    PLAYER->setObjectName(QStringLiteral("PLAYER"));
    PLAYER->SetPath(kDefaultPlayer);
    NAVPLAYER = MakeSpeedButton(GroupBox2, "NAVPLAYER", Std(QStyle::SP_DirOpenIcon), QString());
    g2->addWidget(PLAYER, 1);
    g2->addWidget(NAVPLAYER);
    v4->addWidget(GroupBox2);
    GroupBox1 = new QGroupBox(QStringLiteral("  Opzioni preparazione lista files e destinazioni  "), TabSheet4);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* g1 = new QVBoxLayout(GroupBox1);
    CBVERINFILE = new QCheckBox(QStringLiteral("Verifica se files selezionati già il lista"), GroupBox1);
    CBVERINFILE->setObjectName(QStringLiteral("CBVERINFILE"));
    CBVERINFILE->setChecked(true);
    CBVERINDEST = new QCheckBox(QStringLiteral("Verifica se unità disco destinazione già nella lista"), GroupBox1);
    CBVERINDEST->setObjectName(QStringLiteral("CBVERINDEST"));
    CBVERINDEST->setChecked(true);
    g1->addWidget(CBVERINFILE);
    g1->addWidget(CBVERINDEST);
    v4->addWidget(GroupBox1);
    GroupBox3 = new QGroupBox(QStringLiteral("  Opzioni Copia  "), TabSheet4);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    auto* g3 = new QVBoxLayout(GroupBox3);
    RBOVERWRITE = new QRadioButton(QStringLiteral("OverWrite su destinazione"), GroupBox3);
    RBOVERWRITE->setObjectName(QStringLiteral("RBOVERWRITE"));
    RBSKIPFILE = new QRadioButton(QStringLiteral("Salta file se già presente su destinazione"), GroupBox3);
    RBSKIPFILE->setObjectName(QStringLiteral("RBSKIPFILE"));
    copyOptionGroup_ = new QButtonGroup(this);
    copyOptionGroup_->addButton(RBOVERWRITE);
    copyOptionGroup_->addButton(RBSKIPFILE);
    RBSKIPFILE->setChecked(true);
    g3->addWidget(RBOVERWRITE);
    g3->addWidget(RBSKIPFILE);
    v4->addWidget(GroupBox3);
    v4->addStretch(1);

    // "DataBase e Media": archive folder, check type, what else to compare.
    TabSheet5 = new QWidget;
    TabSheet5->setObjectName(QStringLiteral("TabSheet5"));
    PageControl2->addTab(TabSheet5, QStringLiteral("   DataBase e Media   "));
    auto* v5 = new QVBoxLayout(TabSheet5);
    GroupBox5 = new QGroupBox(QStringLiteral("   Database di controllo presenza titoli (Cinarca)   "), TabSheet5);
    GroupBox5->setObjectName(QStringLiteral("GroupBox5"));
    auto* g5 = new QGridLayout(GroupBox5);
    g5->addWidget(new QLabel(QStringLiteral("Posizione archivio o postizione CNR"), GroupBox5), 0, 0, 1, 3);
    EDDBPOS = new PathEdit(GroupBox5);
    EDDBPOS->setObjectName(QStringLiteral("EDDBPOS"));
    SBDBPOS = MakeSpeedButton(GroupBox5, "SBDBPOS", Std(QStyle::SP_DirOpenIcon), QString());
    SBDBREFR = MakeSpeedButton(GroupBox5, "SBDBREFR", Std(QStyle::SP_BrowserReload), QString(),
                               QStringLiteral("Aggiorna"));
    g5->addWidget(EDDBPOS, 1, 0);
    g5->addWidget(SBDBPOS, 1, 1);
    g5->addWidget(SBDBREFR, 1, 2);
    g5->addWidget(new QLabel(QStringLiteral("Tipo controllo sui files"), GroupBox5), 2, 0, 1, 3);
    CBXTIPOCONTR = new QComboBox(GroupBox5);
    CBXTIPOCONTR->setObjectName(QStringLiteral("CBXTIPOCONTR"));
    CBXTIPOCONTR->addItems({QStringLiteral("Nessuno"), QStringLiteral("Titolo Smart")});
    // The design chooses no item and only shows the text "Nessuno".
    CBXTIPOCONTR->setPlaceholderText(QStringLiteral("Nessuno"));
    CBXTIPOCONTR->setCurrentIndex(-1);
    CBXTIPOCONTR->setMinimumWidth(220);
    g5->addWidget(CBXTIPOCONTR, 3, 0, Qt::AlignLeft);
    g5->setColumnStretch(0, 1);
    v5->addWidget(GroupBox5);
    GroupBox6 = new QGroupBox(QStringLiteral("   Controlla anche...   "), TabSheet5);
    GroupBox6->setObjectName(QStringLiteral("GroupBox6"));
    auto* g6 = new QVBoxLayout(GroupBox6);
    CBDBDATAF = new QCheckBox(QStringLiteral("Data file"), GroupBox6);
    CBDBDATAF->setObjectName(QStringLiteral("CBDBDATAF"));
    CBDBDIMF = new QCheckBox(QStringLiteral("Dimensione file"), GroupBox6);
    CBDBDIMF->setObjectName(QStringLiteral("CBDBDIMF"));
    CBDBRIS = new QCheckBox(QStringLiteral("Risoluzione video solo su Media"), GroupBox6);
    CBDBRIS->setObjectName(QStringLiteral("CBDBRIS"));
    for (QCheckBox* b : {CBDBDATAF, CBDBDIMF, CBDBRIS}) {
        b->setChecked(true);
        b->setEnabled(false);
        g6->addWidget(b);
    }
    v5->addWidget(GroupBox6);
    v5->addStretch(1);

    // "Avanzate": reserve, voice messages, copy mode.
    TabSheet6 = new QWidget;
    TabSheet6->setObjectName(QStringLiteral("TabSheet6"));
    PageControl2->addTab(TabSheet6, QStringLiteral("   Avanzate   "));
    auto* v6 = new QVBoxLayout(TabSheet6);
    GroupBox4 = new QGroupBox(QStringLiteral("  Avanzate  "), TabSheet6);
    GroupBox4->setObjectName(QStringLiteral("GroupBox4"));
    auto* g4 = new QGridLayout(GroupBox4);
    g4->addWidget(new QLabel(QStringLiteral("Spazio da lasciare libero sulle unità destinazione in MB"), GroupBox4),
                  0, 0);
    MINMB = new SpinEdit(GroupBox4);
    MINMB->setObjectName(QStringLiteral("MINMB"));
    MINMB->setRange(0, 1000);
    MINMB->setSingleStep(5);
    MINMB->setValue(10);
    g4->addWidget(MINMB, 0, 1);
    VOCAL = new QCheckBox(QStringLiteral("Usa messaggi vocali"), GroupBox4);
    VOCAL->setObjectName(QStringLiteral("VOCAL"));
    VOCAL->setChecked(true);
    g4->addWidget(VOCAL, 1, 0, 1, 2);
    RBFBYF = new QRadioButton(QStringLiteral("Invoca API File per File"), GroupBox4);
    RBFBYF->setObjectName(QStringLiteral("RBFBYF"));
    RBALLLIST = new QRadioButton(QStringLiteral("Invoca API su Intera Lista"), GroupBox4);
    RBALLLIST->setObjectName(QStringLiteral("RBALLLIST"));
    copyModeGroup_ = new QButtonGroup(this);
    copyModeGroup_->addButton(RBFBYF);
    copyModeGroup_->addButton(RBALLLIST);
    RBFBYF->setChecked(true);
    RBALLLIST->setEnabled(false); // the list mode is never offered
    g4->addWidget(RBFBYF, 2, 0, 1, 2);
    g4->addWidget(RBALLLIST, 3, 0, 1, 2);
    g4->setColumnStretch(0, 1);
    v6->addWidget(GroupBox4);
    v6->addStretch(1);

    PageControl2->setCurrentIndex(1);
}

void TForm1::BuildBottomBar()
{
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    auto* h = new QHBoxLayout(Panel2);
    h->setContentsMargins(4, 0, 4, 0);
    LBDFREE = MakeLabel(Panel2, QString(), QStringLiteral("LBDFREE"));
    LBDFREE->setStyleSheet(QStringLiteral("color: blue;"));
    LBDFREE->setMinimumWidth(80);
    LBNUMSEL = MakeLabel(Panel2, QStringLiteral("0"), QStringLiteral("LBNUMSEL"));
    LBNUMSEL->setMinimumWidth(40);
    LBDIMSEL = MakeLabel(Panel2, QStringLiteral("0  B"), QStringLiteral("LBDIMSEL"));
    LBDIMSEL->setMinimumWidth(80);
    auto* freeCaption = MakeLabel(Panel2, QStringLiteral("Spazio : "));
    freeCaption->setStyleSheet(QStringLiteral("color: blue;"));
    h->addWidget(freeCaption);
    h->addWidget(LBDFREE);
    h->addSpacing(10);
    h->addWidget(Pair(Panel2, QStringLiteral("Num sel. : "), LBNUMSEL));
    h->addSpacing(10);
    h->addWidget(Pair(Panel2, QStringLiteral("Dim sel. : "), LBDIMSEL));
    SpeedButton2 = MakeSpeedButton(Panel2, "SpeedButton2", VtIcon("win_full"), QString());
    h->addWidget(SpeedButton2);
    Label4 = MakeLabel(Panel2, QStringLiteral("Path..."), QStringLiteral("Label4"));
    Label4->setTextFormat(Qt::PlainText);
    Label4->setMinimumWidth(100);
    h->addWidget(Label4, 1);
}

void TForm1::BuildMenus()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    creacartella1 = PopupMenu1->addAction(QStringLiteral("Crea Nuova Cartella"));
    creacartella1->setObjectName(QStringLiteral("creacartella1"));
    CreaCartellaconDatacorrente1 = PopupMenu1->addAction(QStringLiteral("Crea Cartella con Data corrente"));
    CreaCartellaconDatacorrente1->setObjectName(QStringLiteral("CreaCartellaconDatacorrente1"));

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    PUMHDSELMEDIA = PopupMenu2->addAction(QStringLiteral("Seleziona media per scansione titoli"));
    PUMHDSELMEDIA->setObjectName(QStringLiteral("PUMHDSELMEDIA"));
    PUMHDEXEC = PopupMenu2->addAction(QStringLiteral("Esegui scansione titoli del Media selezionato"));
    PUMHDEXEC->setObjectName(QStringLiteral("PUMHDEXEC"));
    PUMHDSHOWLIST = PopupMenu2->addAction(QStringLiteral("Visualizza lista titoli del disco"));
    PUMHDSHOWLIST->setObjectName(QStringLiteral("PUMHDSHOWLIST"));
    PUMHDTEST = PopupMenu2->addAction(QStringLiteral("Esegui controllo su titoli Del Media selezionato"));
    PUMHDTEST->setObjectName(QStringLiteral("PUMHDTEST"));
    for (QAction* a : {PUMHDEXEC, PUMHDSHOWLIST, PUMHDTEST})
        a->setEnabled(false);
    SBMAPDISK->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(SBMAPDISK, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu2->popup(SBMAPDISK->mapToGlobal(p)); });

    const QList<QIcon> sizes = ImageList4();
    PopupMenu3 = new QMenu(this);
    PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
    Su1 = PopupMenu3->addAction(sizes[1], QStringLiteral("Su"));
    Su1->setObjectName(QStringLiteral("Su1"));
    Giu1 = PopupMenu3->addAction(sizes[0], QStringLiteral("Giu"));
    Giu1->setObjectName(QStringLiteral("Giu1"));
    Full1 = PopupMenu3->addAction(sizes[2], QStringLiteral("Full"));
    Full1->setObjectName(QStringLiteral("Full1"));
    connect(Su1, &QAction::triggered, this, [this] { Guard([&] { Su1Click(); }); });
    connect(Giu1, &QAction::triggered, this, [this] { Guard([&] { Giu1Click(); }); });
    connect(Full1, &QAction::triggered, this, [this] { Guard([&] { Full1Click(); }); });
    SpeedButton2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(SpeedButton2, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu3->popup(SpeedButton2->mapToGlobal(p)); });

    // The shell list's menu follows CBPUMMIO.
    connect(SLV1, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        if (CBPUMMIO->isChecked())
            PopupMenu1->popup(SLV1->viewport()->mapToGlobal(p));
    });
    connect(CBPUMMIO, &QCheckBox::clicked, this, [this] { Guard([&] { CBPUMMIOClick(); }); });
    CBPUMMIOClick();

    connect(SBUP1L, &QToolButton::clicked, this, [this] { Guard([&] { SBUP1LClick(); }); });
}

void TForm1::ConnectSettingHandlers()
{
    // A check box or radio button changed, also from code, calls its click
    // handler, as the window toolkit this program was designed on does; a
    // change while the settings are read therefore leaves SBSAVE alone.
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{CBVERINFILE, CBVERINDEST, RBOVERWRITE, RBSKIPFILE,
                                                                     VOCAL, CBDBDATAF, CBDBDIMF, CBDBRIS})
        connect(b, &QAbstractButton::toggled, this, [this] { Guard([&] { CBVERINFILEClick(); }); });
    connect(MINMB, &QDoubleSpinBox::valueChanged, this, [this] { Guard([&] { CBVERINFILEClick(); }); });
    connect(CBXTIPOCONTR, &QComboBox::activated, this, [this] { Guard([&] { CBXTIPOCONTRChange(); }); });
    for (QRadioButton* b : {RBFBYF, RBALLLIST})
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                Guard([&] { RBALLLISTClick(); });
        });
    connect(SBSAVE, &QToolButton::clicked, this, [this] { SBSAVEClick(); });
}

// ------------------------------------------------------------------ start

void TForm1::FormCreate()
{
    // 1. Program folder and settings path.
    state_.SettingsFile = state_.ProgramFolder + "VT_CFG.cfg";
    // 2. Counters.
    state_.FileCount = 0;
    state_.TotalBytes = 0;
    state_.DestCount = 0;
    // 3. First tab.
    PageControl1->setCurrentIndex(0);
    // 4. The whole desktop width and the work-area height.
    ApplyPlacement(WindowPlacement::Full);
    // 5. Caption with the version.
    setWindowTitle(QString::fromLatin1(kCaptionPrefix) + ToQ(GetVersionText()));
    // 6. Browser half 710 wide, the tree 250.
    Splitter1->setSizes({710, std::max(290, width() - 710)});
    Splitter2->setSizes({250, 460});
    // 7. Default archive folder.
    EDDBPOS->SetPath(state_.ProgramFolder);
    // 8. Settings; an error ends the start-up here, the window still opens.
    if (!RunGuarded(ui_, [&] { ReadSettings(); }))
        return;
    // 9 to 11. Archive paths.
    SetArchivePaths(state_, EDDBPOS->Path());
    // 12. The film archive.
    Guard([&] { LoadFilmArchive(); });
}

void TForm1::FormShow() { state_.FormShown = true; }

void TForm1::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (!e->spontaneous()) {
        FormShow();
        emit shown();
    }
}

// ------------------------------------------------------------------ settings

SettingsValues TForm1::CollectSettings() const
{
    SettingsValues v;
    v.player = PLAYER->Path();
    v.verifInFile = CBVERINFILE->isChecked();
    v.verifInDest = CBVERINDEST->isChecked();
    v.overwrite = RBOVERWRITE->isChecked();
    v.minMb = MINMB->value();
    v.fileByFile = RBFBYF->isChecked();
    v.vocal = VOCAL->isChecked();
    v.archiveFolder = EDDBPOS->Path();
    v.checkType = CBXTIPOCONTR->currentIndex();
    v.testDate = CBDBDATAF->isChecked();
    v.testSize = CBDBDIMF->isChecked();
    v.testResolution = CBDBRIS->isChecked();
    return v;
}

void TForm1::ApplySettings(const SettingsValues& v, int n)
{
    if (n >= 1)
        PLAYER->SetPath(v.player);
    if (n >= 2)
        CBVERINFILE->setChecked(v.verifInFile);
    if (n >= 3)
        CBVERINDEST->setChecked(v.verifInDest);
    if (n >= 4)
        (v.overwrite ? RBOVERWRITE : RBSKIPFILE)->setChecked(true);
    if (n >= 5)
        MINMB->setValue(v.minMb);
    if (n >= 6 && v.fileByFile)
        RBFBYF->setChecked(true);
    if (n >= 7)
        VOCAL->setChecked(v.vocal);
    if (n >= 8)
        EDDBPOS->SetPath(v.archiveFolder);
    if (n >= 9) {
        if (v.checkType < 0)
            CBXTIPOCONTR->setPlaceholderText(QString()); // no item and no text
        CBXTIPOCONTR->setCurrentIndex(v.checkType);
        for (QCheckBox* b : {CBDBDATAF, CBDBDIMF, CBDBRIS})
            b->setEnabled(v.checkType > 0);
    }
    if (n >= 10)
        CBDBDATAF->setChecked(v.testDate);
    if (n >= 11)
        CBDBDIMF->setChecked(v.testSize);
    if (n >= 12)
        CBDBRIS->setChecked(v.testResolution);
}

void TForm1::ReadSettings()
{
    if (!FileExists(state_.SettingsFile)) {
        WriteSettings();
        return;
    }
    SettingsReadResult r = ReadSettingsFile(state_.SettingsFile, CollectSettings(), ItalianFormat());
    ApplySettings(r.values, r.linesApplied);
    if (!r.ok())
        throw PlatformError(r.error);
}

void TForm1::WriteSettings()
{
    WriteSettingsFile(state_.SettingsFile, CollectSettings(), ItalianFormat());
    SBSAVE->setEnabled(false);
}

void TForm1::SBSAVEClick()
{
    Guard([&] { WriteSettings(); });
}

void TForm1::CBVERINFILEClick()
{
    if (state_.FormShown)
        SBSAVE->setEnabled(true);
}

void TForm1::CBXTIPOCONTRChange()
{
    for (QCheckBox* b : {CBDBDATAF, CBDBDIMF, CBDBRIS})
        b->setEnabled(CBXTIPOCONTR->currentIndex() > 0);
    SBSAVE->setEnabled(true);
}

void TForm1::RBALLLISTClick()
{
    STTIPOCOPIA->setText(RBALLLIST->isChecked() ? QStringLiteral("Invoca API su Intera Lista")
                                                : QStringLiteral("Invoca API File per file"));
    SBSAVE->setEnabled(true);
}

// ------------------------------------------------------------------ window

void TForm1::CBPUMMIOClick()
{
    SLV1->setContextMenuPolicy(CBPUMMIO->isChecked() ? Qt::CustomContextMenu : Qt::DefaultContextMenu);
}

void TForm1::ApplyPlacement(WindowPlacement p)
{
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    int desktopWidth = screen ? screen->virtualGeometry().width() : kMinWindowWidth;
    int workHeight = screen ? screen->availableGeometry().height() : kMinWindowHeight;
    WindowRect r = PlaceWindow(p, desktopWidth, workHeight);
    // The rectangle is the outer one, frame included, as the desktop counts it.
    QRect frame = frameGeometry();
    QRect inner = geometry();
    int extraW = frame.width() - inner.width();
    int extraH = frame.height() - inner.height();
    int dx = inner.x() - frame.x();
    int dy = inner.y() - frame.y();
    setGeometry(r.left + dx, r.top + dy, std::max(kMinWindowWidth, r.width - extraW),
                std::max(kMinWindowHeight, r.height - extraH));
}

void TForm1::Su1Click() { ApplyPlacement(WindowPlacement::TopHalf); }
void TForm1::Giu1Click() { ApplyPlacement(WindowPlacement::BottomHalf); }
void TForm1::Full1Click() { ApplyPlacement(WindowPlacement::Full); }

void TForm1::SBUP1LClick() { SLV1->GoUp(1); }

void TForm1::closeEvent(QCloseEvent* e)
{
    // A folder walk still running ends with the window.
    state_.StopRequested = true;
    QWidget::closeEvent(e);
}

// ------------------------------------------------------------------ copy list

void TForm1::ConnectSelectionHandlers()
{
    connect(ADDNAMES, &QToolButton::clicked, this, [this] { Guard([&] { ADDNAMESClick(); }); });
    connect(SBREMOVE, &QToolButton::clicked, this, [this] { Guard([&] { SBREMOVEClck(); }); });
    connect(CLEARNAMES, &QToolButton::clicked, this, [this] { Guard([&] { CLEARNAMESClic(); }); });
    connect(ADDDEST, &QToolButton::clicked, this, [this] { Guard([&] { ADDDESTClick(); }); });
    connect(REMDEST, &QToolButton::clicked, this, [this] { Guard([&] { REMDESTClick(); }); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { Guard([&] { SpeedButton1Click(); }); });
    connect(SLV1, &ShellList::FillComplete, this, [this] { Guard([&] { SLV1FillComplete(); }); });
    connect(creacartella1, &QAction::triggered, this, [this] { Guard([&] { creacartella1Click(); }); });
    connect(CreaCartellaconDatacorrente1, &QAction::triggered, this,
            [this] { Guard([&] { CreaCartellaconDatacorrente1Click(); }); });
}

void TForm1::ShowWalkPath(const std::string& path) { Label4->setText(PathToQ(path)); }

void TForm1::ADDNAMESClick()
{
    AddFilesOptions opt{CBVERINFILE->isChecked(), [this](const std::string& p) { ShowWalkPath(p); }};
    if (AddSelectedFiles(state_, *SLV1, ui_, opt))
        ShowFileList();
}

void TForm1::SBREMOVEClck()
{
    RemoveSelected(state_, SelectedRows(LISTANOMI));
    ShowFileList();
}

void TForm1::CLEARNAMESClic()
{
    ClearList(state_);
    ShowFileList();
}

void TForm1::ShowFileList()
{
    FileListView v = BuildFileListView(state_, ItalianFormat());
    const QList<QIcon> files = ImageList3();
    FillListView(LISTANOMI, v.listaNomi, files);
    FillListView(LISTASORG, v.listaSorg, files, ImageList2());
    if (v.selectFirstRow && LISTANOMI->topLevelItemCount() > 0)
        LISTANOMI->topLevelItem(0)->setSelected(true);
    LBNUM->setText(ToQ(v.lbNum));
    NFDC->setText(ToQ(v.nfdc));
    LBDIM->setText(ToQ(v.lbDim));
    MBDC->setText(ToQ(v.mbdc));
    ShowDestList();
}

void TForm1::ShowDestList()
{
    DestListView v = BuildDestListView(state_, MINMB->value(), ItalianFormat());
    const QList<QIcon> marks = ImageList1();
    FillListView(LDEST2, v.ldest2, marks);
    FillListView(LDEST, v.ldest, marks, ImageList2());
}

void TForm1::SLV1FillComplete() { LBDFREE->setText(ToQ(FreeSpaceText(SLV1->FolderPath(), ItalianFormat()))); }

void TForm1::ADDDESTClick()
{
    AddDestOptions opt;
    opt.verifyInDest = CBVERINDEST->isChecked();
    if (AddDestination(state_, SLV1->FolderPath(), ui_, opt))
        ShowDestList();
}

void TForm1::REMDESTClick()
{
    RemoveSelectedDests(state_, SelectedRows(LDEST2));
    ShowFileList();
}

void TForm1::SpeedButton1Click()
{
    ClearDests(state_);
    ShowDestList();
}

// ------------------------------------------------------------------ title check

void TForm1::ConnectTitleCheckHandlers()
{
    connect(SBDBSTAT, &QToolButton::clicked, this, [this] { Guard([&] { SBDBSTATClick(CheckMode::Archive); }); });
    connect(PUMHDTEST, &QAction::triggered, this, [this] { Guard([&] { SBDBSTATClick(CheckMode::Media); }); });
    connect(SBDBLIST, &QToolButton::clicked, this, [this] { Guard([&] { SBDBLISTClick(); }); });
    connect(SBCOPIA, &QToolButton::clicked, this, [this] { Guard([&] { SBCOPIAClick(); }); });
    connect(SBREN, &QToolButton::clicked, this, [this] { Guard([&] { SBRENClick(); }); });
    connect(SBRENWIZ, &QToolButton::clicked, this, [this] { Guard([&] { SBRENWIZClick(); }); });
    connect(SLV1, &ShellList::DblClickOpen, this,
            [this](int row, bool& handled) { Guard([&] { SLV1DblClickOpen(row, handled); }); });
}

void TForm1::SBDBSTATClick(CheckMode mode)
{
    // The check hands the event loop turns: a second press meanwhile is
    // refused.
    if (titleCheckRunning_) {
        ui_.Beep();
        return;
    }
    titleCheckRunning_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{titleCheckRunning_};
    Form3->SetUpForMode(mode);
    TitleCheckOptions opt{CBXTIPOCONTR->currentIndex(), CBDBDATAF->isChecked(), CBDBDIMF->isChecked(),
                          CBDBRIS->isChecked()};
    ComparisonSink sink{[&] {
                            state_.ComparisonRows.clear();
                            state_.LastCheckMode = mode;
                            Form3->LISTATITDB->clear();
                        },
                        [&](const ComparisonRow& row) {
                            state_.ComparisonRows.push_back(row);
                            Form3->AddRow(row);
                        }};
    RunTitleCheck(mode, opt, *SLV1, state_.FilmArchive, state_.MediaTitles, state_.MediaPixels, ui_, sink);
}

void TForm1::SBDBLISTClick()
{
    Form3->setGeometry(0, Form3->y(), width(), Form3->height());
    Form3->exec();
}

void TForm1::SLV1DblClickOpen(int row, bool& handled)
{
    // Details only for a file the check examined, looked up by its exact
    // name; a double click never opens the file itself.
    handled = true;
    if (!SBDBSTAT->isEnabled() || row < 0 || row >= SLV1->RowCount() || SLV1->StateImage(row) < 0)
        return;
    std::int32_t n = FindFilmByName(state_.FilmArchive, SLV1->Caption(row));
    if (n != -1)
        ShowFilmDetails(*this, n);
}

// ------------------------------------------------------------------ media

void TForm1::ConnectMediaHandlers()
{
    connect(SLV1, &ShellList::SelectItem, this,
            [this](int row, bool selected) { Guard([&] { SLV1SelectItem(row, selected); }); });
    connect(PUMHDSELMEDIA, &QAction::triggered, this, [this] { Guard([&] { PUMHDSELMEDIAClick(); }); });
    connect(PUMHDEXEC, &QAction::triggered, this, [this] { Guard([&] { PUMHDEXECClick(); }); });
    connect(PUMHDSHOWLIST, &QAction::triggered, this, [this] { Guard([&] { PUMHDSHOWLISTClick(); }); });
    connect(SBMAPDISK, &QToolButton::clicked, this, [this] { Guard([&] { SBMAPDISKClick(); }); });
    connect(PREVIEW, &QToolButton::clicked, this, [this] { Guard([&] { PREVIEWClick(); }); });
    connect(NAVPLAYER, &QToolButton::clicked, this, [this] { Guard([&] { NAVPLAYERClick(); }); });
}

void TForm1::SLV1SelectItem(int row, bool selected)
{
    SelectionInfo s = ComputeSelectionInfo(state_, *SLV1, SLV1->Caption(row), selected, ItalianFormat());
    if (s.label4)
        Label4->setText(PathToQ(*s.label4));
    if (s.lbNumSel)
        LBNUMSEL->setText(ToQ(*s.lbNumSel));
    if (s.lbDimSel)
        LBDIMSEL->setText(ToQ(*s.lbDimSel));
    if (s.sbRenEnabled)
        SBREN->setEnabled(*s.sbRenEnabled);
    if (s.previewEnabled)
        PREVIEW->setEnabled(*s.previewEnabled);
    if (!s.error.empty())
        ui_.ShowError(s.error);
}

void TForm1::PUMHDSELMEDIAClick()
{
    if (!FD1->Execute())
        return;
    state_.MediaPath = MediaPathFor(FD1->SelectedFolder());
    PUMHDEXEC->setEnabled(true);
    PUMHDSELMEDIA->setToolTip(PathToQ(state_.MediaPath));
}

void TForm1::PUMHDEXECClick()
{
    MediaScanOptions opt{CBDBRIS->isChecked(), [this](const std::string& p) { ShowWalkPath(p); }};
    if (!StartMediaScan(state_, ui_, opt))
        return;
    Form5->ShowAfterScan();
    FinishMediaScan(state_);
    PUMHDTEST->setEnabled(true);
    PUMHDSHOWLIST->setEnabled(true);
}

void TForm1::PUMHDSHOWLISTClick() { Form5->ShowList(); }

void TForm1::SBMAPDISKClick() { RequestMediaScanStop(state_); }

void TForm1::PREVIEWClick()
{
    std::string file = PreviewFile(*SLV1);
    if (!file.empty())
        PlayVideo(file);
}

void TForm1::NAVPLAYERClick()
{
    QString chosen = QFileDialog::getOpenFileName(this, QString(), PathToQ(ExtractFilePath(PLAYER->Path())));
    if (chosen.isEmpty())
        return;
    PLAYER->SetPath(PathFromQ(chosen));
    SBSAVE->setEnabled(true);
}

// ------------------------------------------------------------------ copy job

void TForm1::SBCOPIAClick()
{
    QtCopyJobView view({LISTASORG, LDEST, PBTOT, TPASSATO, SBCOPIA});
    QtFileCopier copier(this);
    CopyJobOptions opt;
    opt.skipExisting = RBSKIPFILE->isChecked();
    opt.hideApi = CBHIDEAPI->isChecked();
    opt.vocal = VOCAL->isChecked();
    opt.programFolder = state_.ProgramFolder;
    RunCopyJob(state_, opt, view, ui_, copier);
}

// ------------------------------------------------------------------ renaming

void TForm1::SBRENClick() { Form2->Execute(*SLV1); }
void TForm1::SBRENWIZClick() { Form6->Execute(*SLV1); }

// ------------------------------------------------------------------ player

void TForm1::PlayVideo(const std::string& first, const std::string& second)
{
    vt::PlayVideo(PLAYER->Path(), first, second, PlayerSpawner);
}

// ------------------------------------------------------------------ archive

void TForm1::ConnectArchiveHandlers()
{
    connect(SBDBPOS, &QToolButton::clicked, this, [this] { Guard([&] { SBDBPOSClick(); }); });
    connect(SBDBREFR, &QToolButton::clicked, this, [this] { Guard([&] { SBDBREFRClick(); }); });
}

void TForm1::LoadFilmArchive()
{
    // The title buttons follow whether films.txt is there; a load that
    // fails keeps the previous archive and its hint.
    const bool found = FileExists(state_.FilmsFile);
    SBDBSTAT->setEnabled(found);
    SBDBLIST->setEnabled(found);
    SBDBSTAT->setToolTip(found ? ToQ(ArchiveStatusHint(state_)) : QString());
    if (!found)
        return;
    vt::LoadFilmArchive(state_);
    SBDBSTAT->setToolTip(ToQ(ArchiveStatusHint(state_)));
}

void TForm1::SBDBPOSClick()
{
    const std::string& current = EDDBPOS->Path();
    FD1->SetFolder(!current.empty() && DirectoryExists(current) ? current : state_.ProgramFolder);
    if (!FD1->Execute())
        return;
    EDDBPOS->SetPath(FD1->SelectedFolder());
    SBSAVE->setEnabled(true);
}

void TForm1::SBDBREFRClick()
{
    if (EDDBPOS->Path().empty())
        return;
    SetArchivePaths(state_, EDDBPOS->Path());
    LoadFilmArchive();
}

void TForm1::creacartella1Click() { ReportNewFolder(SLV1->CreateNewFolder(true), ui_); }

void TForm1::CreaCartellaconDatacorrente1Click() { CreateDateFolder(SLV1->FolderPath(), Now(), ui_); }

// ------------------------------------------------------------------ program

std::unique_ptr<TForm1> CreateForms(UiServices& ui, std::string programFolder)
{
    auto form1 = std::make_unique<TForm1>(ui, std::move(programFolder));
    TForm1* f = form1.get();
    f->AttachForms(new TForm2(f), new TForm3(f), new TForm4(f), new TForm5(f), new TForm6(f));
    f->Form5->ShowFilmDetailsHook = [f](std::int32_t n) { ShowFilmDetails(*f, n); };
    return form1;
}

void InstallItalianTranslation(QApplication& app)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qt);
}

} // namespace vt
