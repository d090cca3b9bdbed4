#include "media/VT_U_LISTHD.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScreen>
#include <QVBoxLayout>

#include "app/VT_U1.h"
#include "media/MediaTitles.h"
#include "media/qt/MediaTitleModel.h"
#include "platform/qt/Icons.h"
#include "platform/qt/QtUiServices.h"
#include "platform/qt/Widgets.h"

namespace vt {

namespace {
constexpr int kListHeight = 376;
constexpr const char* kPlayHint = "Preview Filmato / Musica";
} // namespace

template <class F>
void TForm5::Guard(F&& f)
{
    RunGuarded(form1_->ui(), std::forward<F>(f));
}

TForm5::TForm5(TForm1* form1) : QDialog(form1), form1_(form1)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Vantaro - Lista titoli del Media selezionato"));
    setModal(true);
    resize(811, 469);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);

    model = new MediaTitleModel(form1_->state(), this);
    LVSUC = new QTreeView(this);
    LVSUC->setObjectName(QStringLiteral("LVSUC"));
    LVSUC->setModel(model);
    LVSUC->setRootIsDecorated(false);
    LVSUC->setItemsExpandable(false);
    LVSUC->setUniformRowHeights(true);
    LVSUC->setAllColumnsShowFocus(true);
    LVSUC->setSelectionBehavior(QAbstractItemView::SelectRows);
    LVSUC->setSelectionMode(QAbstractItemView::SingleSelection);
    LVSUC->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LVSUC->setSortingEnabled(false); // the table sorts itself; the "^" captions never change
    LVSUC->setMinimumHeight(kListHeight);
    LVSUC->setStyleSheet(
        QStringLiteral("QTreeView { color: black; }"
                       "QTreeView::item { border-right: 1px solid #d8d8d8; border-bottom: 1px solid #d8d8d8; }"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    LVSUC->setFont(font);
    LVSUC->setIconSize(QSize(34, 16));
    QHeaderView* header = LVSUC->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setStretchLastSection(false);
    for (int c = 0; c < kMediaColumnCount; ++c)
        header->resizeSection(c, MediaTitleModel::Width(c));
    v->addWidget(LVSUC, 1);

    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(6, 0, 6, 0);
    GroupBox1 = new QGroupBox(QStringLiteral("   Cerca Titoli doppi nel Media selezionato   "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* g1 = new QHBoxLayout(GroupBox1);
    Label1 = new QLabel(QStringLiteral("Usa anche"), GroupBox1);
    Label1->setObjectName(QStringLiteral("Label1"));
    CBSDDATAF = new QCheckBox(QStringLiteral("Data file"), GroupBox1);
    CBSDDATAF->setObjectName(QStringLiteral("CBSDDATAF"));
    CBSDDIMF = new QCheckBox(QStringLiteral("Dimensione file"), GroupBox1);
    CBSDDIMF->setObjectName(QStringLiteral("CBSDDIMF"));
    CBSDRIS = new QCheckBox(QStringLiteral("Risoluzione"), GroupBox1);
    CBSDRIS->setObjectName(QStringLiteral("CBSDRIS"));
    SBSEARCH = MakeSpeedButton(GroupBox1, QStringLiteral("SBSEARCH"), VtIcon(QStringLiteral("dup")), QString(),
                               QStringLiteral("CERCA"));
    SBSEARCH->setAutoRaise(false);
    g1->addWidget(Label1);
    g1->addWidget(CBSDDATAF);
    g1->addWidget(CBSDDIMF);
    g1->addWidget(CBSDRIS);
    g1->addStretch(1);
    g1->addWidget(SBSEARCH);
    bottom->addWidget(GroupBox1, 3);

    GroupBox2 = new QGroupBox(QStringLiteral("   Funzioni sul Titolo selezionato"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto* g2 = new QHBoxLayout(GroupBox2);
    SBHDPLAY = MakeSpeedButton(GroupBox2, QStringLiteral("SBHDPLAY"), VtIcon(QStringLiteral("play")),
                               QString::fromUtf8(kPlayHint), QStringLiteral("PLAY"));
    SBHDDEL = MakeSpeedButton(GroupBox2, QStringLiteral("SBHDDEL"), VtIcon(QStringLiteral("remove")),
                              QString::fromUtf8(kPlayHint), QStringLiteral("CANCELLA"));
    for (QToolButton* b : {SBHDPLAY, SBHDDEL}) {
        b->setAutoRaise(false);
        b->setEnabled(false);
        g2->addWidget(b);
    }
    bottom->addWidget(GroupBox2, 2);
    v->addLayout(bottom);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel0 = new QLabel(StatusBar1);
    StatusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
    StatusPanel0->setFixedWidth(200);
    StatusPanel1 = new QLabel(QStringLiteral("Messaggi"), StatusBar1);
    StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    StatusPanel1->setMinimumWidth(50);
    StatusBar1->addWidget(StatusPanel0);
    StatusBar1->addWidget(StatusPanel1, 1);
    v->addWidget(StatusBar1);

    connect(header, &QHeaderView::sectionClicked, this, [this](int c) { Guard([&] { LVSUCColumnClick(c); }); });
    connect(LVSUC->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { LVSUCSelectItem(SelectedRow() >= 0); });
    connect(LVSUC, &QAbstractItemView::doubleClicked, this, [this] { Guard([&] { LVSUCDblClick(); }); });
    connect(SBSEARCH, &QToolButton::clicked, this, [this] { Guard([&] { SBSEARCHClick(); }); });
    connect(SBHDDEL, &QToolButton::clicked, this, [this] { Guard([&] { SBHDDELClick(); }); });
    connect(SBHDPLAY, &QToolButton::clicked, this, [this] { Guard([&] { SBHDPLAYClick(); }); });
}

void TForm5::ShowAfterScan()
{
    StatusPanel0->setText(ToQ(MediaCountText(form1_->state())));
    ShowList();
}

void TForm5::ShowList()
{
    // The table may have changed since the last show (a new scan, or a
    // title check): show it as it is now.
    Reload();
    exec();
}

void TForm5::Reload()
{
    model->Reload();
    // A reset drops the selection without a selection signal.
    LVSUCSelectItem(SelectedRow() >= 0);
}

int TForm5::SelectedRow() const
{
    const QModelIndexList rows = LVSUC->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return -1;
    const int row = rows.first().row();
    return row < static_cast<int>(form1_->state().MediaTitles.size()) ? row : -1;
}

void TForm5::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    FormShow();
}

void TForm5::FormShow()
{
    // The width of the main window at the left edge of the screen; the
    // first time the window opens centred on the main window instead, as
    // the position setting then takes over.
    resize(form1_->width(), height());
    if (!shownOnce_) {
        shownOnce_ = true;
        const QRect main = form1_->frameGeometry();
        move(main.center().x() - width() / 2, main.center().y() - height() / 2);
        return;
    }
    move(0, y());
}

void TForm5::LVSUCColumnClick(int column)
{
    SortMediaTitlesByColumn(form1_->state(), column, ItalianFormat());
    Reload();
}

void TForm5::LVSUCSelectItem(bool selected)
{
    SBHDPLAY->setEnabled(selected);
    SBHDDEL->setEnabled(selected);
}

void TForm5::LVSUCDblClick()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    const TMediaTitle& t = form1_->state().MediaTitles[static_cast<std::size_t>(row)];
    std::int32_t record = 0;
    if (!t.InArchive || !TryStrToInt(t.DB, record))
        return;
    if (ShowFilmDetailsHook)
        ShowFilmDetailsHook(record);
}

void TForm5::SBSEARCHClick()
{
    const int found = FindDuplicateTitles(form1_->state(),
                                          {CBSDDATAF->isChecked(), CBSDDIMF->isChecked(), CBSDRIS->isChecked()},
                                          ItalianFormat());
    Reload();
    StatusPanel1->setText(ToQ(DuplicatesFoundText(found)));
}

void TForm5::SBHDDELClick()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    if (DeleteMediaTitle(form1_->state(), row, form1_->ui()) != DeleteOutcome::Deleted)
        return;
    Reload();
    StatusPanel1->setText(QString::fromUtf8(kTitleDeletedText));
}

void TForm5::SBHDPLAYClick()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    PlayVideo(form1_->PLAYER->Path(), MediaTitleFile(form1_->state().MediaTitles[static_cast<std::size_t>(row)]), {},
              spawn);
}

} // namespace vt
