#include "rename/VT_U_AUTOREN.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include "app/VT_U1.h"
#include "platform/ShellRows.h"
#include "platform/qt/Icons.h"
#include "platform/qt/QtUiServices.h"
#include "platform/qt/Widgets.h"

namespace vt {

namespace {

QToolButton* Button(QWidget* parent, const QString& objectName, const QString& caption, const QIcon& icon = {})
{
    QToolButton* b = MakeSpeedButton(parent, objectName, icon, {}, caption);
    if (icon.isNull() && !caption.isEmpty())
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setAutoRaise(false);
    // The in-place editor keeps the focus, and with it its selection.
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QRadioButton* PictureRadio(QWidget* parent, const QString& objectName, const QString& icon)
{
    auto* rb = new QRadioButton(parent);
    rb->setObjectName(objectName);
    rb->setIcon(VtIcon(icon));
    rb->setIconSize(QSize(24, 16));
    return rb;
}

} // namespace

template <class F>
void TForm6::Guard(F&& f)
{
    RunGuarded(form1_->ui(), std::forward<F>(f));
}

TForm6::TForm6(TForm1* form1) : QDialog(form1), form1_(form1)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Vantaro - Rinomina Assistita Titoli"));
    setModal(true);
    resize(900, 520);

    LVAREN = MakeListView(this, QStringLiteral("LVAREN"),
                          {QStringLiteral("Titolo Nuovo"), QStringLiteral("TitoloOriginale"), QStringLiteral("Ext"),
                           QStringLiteral("CD n"), QStringLiteral("DVD")},
                          true);
    QHeaderView* header = LVAREN->header();
    header->setStretchLastSection(false);
    // The two titles share what the fixed columns leave over.
    header->setSectionResizeMode(ColNewTitle, QHeaderView::Stretch);
    header->setSectionResizeMode(ColOldTitle, QHeaderView::Stretch);
    header->setSectionResizeMode(ColExt, QHeaderView::Fixed);
    header->setSectionResizeMode(ColCD, QHeaderView::Fixed);
    header->setSectionResizeMode(ColDVD, QHeaderView::Fixed);
    header->resizeSection(ColExt, 50);
    header->resizeSection(ColCD, 60);
    header->resizeSection(ColDVD, 50);
    LVAREN->setContextMenuPolicy(Qt::CustomContextMenu);

    // ---- the options of the automatic pass
    GroupBox1 = new QGroupBox(QStringLiteral("   Funzioni applicate automaticamente ai Titoli"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    CBARREPL = new QCheckBox(QStringLiteral("Sostituisci Punto e  _  con Spazio"), GroupBox1);
    CBARREPL->setObjectName(QStringLiteral("CBARREPL"));
    CBARREPL->setChecked(true);
    RBASIT = new QRadioButton(QStringLiteral("Com'è"), GroupBox1);
    RBASIT->setObjectName(QStringLiteral("RBASIT"));
    RBFU = PictureRadio(GroupBox1, QStringLiteral("RBFU"), QStringLiteral("case_first"));
    RBAU = PictureRadio(GroupBox1, QStringLiteral("RBAU"), QStringLiteral("case_upper"));
    RBAL = PictureRadio(GroupBox1, QStringLiteral("RBAL"), QStringLiteral("case_lower"));
    auto* caseGroup = new QButtonGroup(this);
    for (QRadioButton* rb : {RBASIT, RBFU, RBAU, RBAL})
        caseGroup->addButton(rb);
    RBASIT->setChecked(true);

    CBGDVD = new QCheckBox(QStringLiteral("Gestione DVD-RIP"), GroupBox1);
    CBGDVD->setObjectName(QStringLiteral("CBGDVD"));
    CBGDVD->setChecked(true);
    Panel4 = new QWidget(GroupBox1);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    RBDVDT = new QRadioButton(QStringLiteral(" [DVD]"), Panel4);
    RBDVDT->setObjectName(QStringLiteral("RBDVDT"));
    RBDVDUC = PictureRadio(Panel4, QStringLiteral("RBDVDUC"), QStringLiteral("case_upper"));
    auto* dvdGroup = new QButtonGroup(this);
    dvdGroup->addButton(RBDVDT);
    dvdGroup->addButton(RBDVDUC);
    RBDVDT->setChecked(true);
    SBDVDADD = Button(Panel4, QStringLiteral("SBDVDADD"), QStringLiteral("Aggiungi"), VtIcon(QStringLiteral("add")));
    SBDVDCUT = Button(Panel4, QStringLiteral("SBDVDCUT"), QStringLiteral("Togli"), VtIcon(QStringLiteral("remove")));
    auto* p4 = new QHBoxLayout(Panel4);
    p4->setContentsMargins(0, 0, 0, 0);
    p4->addWidget(RBDVDT);
    p4->addWidget(RBDVDUC);
    p4->addWidget(SBDVDADD);
    p4->addWidget(SBDVDCUT);
    p4->addStretch(1);

    CBGCD = new QCheckBox(QStringLiteral("Gestione CD n"), GroupBox1);
    CBGCD->setObjectName(QStringLiteral("CBGCD"));
    CBGCD->setChecked(true);
    Panel5 = new QWidget(GroupBox1);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    SBCD1ADD = Button(Panel5, QStringLiteral("SBCD1ADD"), QStringLiteral("Aggiungi CD1"), VtIcon(QStringLiteral("cd")));
    SBCD2ADD = Button(Panel5, QStringLiteral("SBCD2ADD"), QStringLiteral("Aggiungi CD2"), VtIcon(QStringLiteral("cd")));
    SBCDCUT = Button(Panel5, QStringLiteral("SBCDCUT"), QStringLiteral("Togli"), VtIcon(QStringLiteral("remove")));
    auto* p5 = new QHBoxLayout(Panel5);
    p5->setContentsMargins(0, 0, 0, 0);
    p5->addWidget(SBCD1ADD);
    p5->addWidget(SBCD2ADD);
    p5->addWidget(SBCDCUT);
    p5->addStretch(1);
    SetRowButtonsEnabled(false);

    auto* g1 = new QGridLayout(GroupBox1);
    auto* caseRow = new QHBoxLayout;
    caseRow->addWidget(RBASIT);
    caseRow->addWidget(RBFU);
    caseRow->addWidget(RBAU);
    caseRow->addWidget(RBAL);
    caseRow->addStretch(1);
    g1->addWidget(CBARREPL, 0, 0);
    g1->addLayout(caseRow, 0, 1);
    g1->addWidget(CBGDVD, 1, 0);
    g1->addWidget(Panel4, 1, 1);
    g1->addWidget(CBGCD, 2, 0);
    g1->addWidget(Panel5, 2, 1);

    // ---- the buttons at the right
    SBSELTIT = Button(this, QStringLiteral("SBSELTIT"), QStringLiteral("Titolo = &Selez. + DVD + CD n"));
    SBAPPLICAF = Button(this, QStringLiteral("SBAPPLICAF"), QStringLiteral("AUTO"), VtIcon(QStringLiteral("rename_all")));
    SBLOCK = Button(this, QStringLiteral("SBLOCK"), {}, VtIcon(QStringLiteral("unlock")));
    SBRENOK = Button(this, QStringLiteral("SBRENOK"), QStringLiteral("ACCETTA E RINOMINA"),
                     QApplication::style()->standardIcon(QStyle::SP_DialogApplyButton));
    auto* right = new QGridLayout;
    right->addWidget(SBSELTIT, 0, 0, 1, 2);
    right->addWidget(SBAPPLICAF, 1, 0);
    right->addWidget(SBLOCK, 1, 1);
    right->addWidget(SBRENOK, 2, 0, 1, 2);
    right->setRowStretch(3, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(GroupBox1);
    bottom->addLayout(right);
    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(4, 4, 4, 4);
    main->addWidget(LVAREN, 1);
    main->addLayout(bottom);

    // ---- the in-place editor, over the list
    EDSELEDIT = new NameEdit(this);
    EDSELEDIT->setObjectName(QStringLiteral("EDSELEDIT"));
    EDSELEDIT->setFrame(false);
    EDSELEDIT->setStyleSheet(QStringLiteral("QLineEdit { background: red; color: white; font-weight: bold; }"));
    EDSELEDIT->SetKeepSelection(true);
    EDSELEDIT->SetName("EDSELEDIT");
    EDSELEDIT->hide();

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PUMCHECKALL = PopupMenu1->addAction(QStringLiteral("Spunta Tutto"));
    PUMCHECKALL->setObjectName(QStringLiteral("PUMCHECKALL"));
    PUMUNCHECKALL = PopupMenu1->addAction(QStringLiteral("Togli spunta da Tutto"));
    PUMUNCHECKALL->setObjectName(QStringLiteral("PUMUNCHECKALL"));
    PUMINVERTCHECK = PopupMenu1->addAction(QStringLiteral("Inverti spunte"));
    PUMINVERTCHECK->setObjectName(QStringLiteral("PUMINVERTCHECK"));

    // ---- handlers
    auto guarded = [this](void (TForm6::*handler)()) { return [this, handler] { Guard([&] { (this->*handler)(); }); }; };
    connect(SBAPPLICAF, &QToolButton::clicked, this, guarded(&TForm6::SBAPPLICAFClick));
    connect(SBLOCK, &QToolButton::clicked, this, guarded(&TForm6::SBLOCKClick));
    connect(CBGDVD, &QCheckBox::toggled, this, guarded(&TForm6::CBGDVDClick));
    connect(CBGCD, &QCheckBox::toggled, this, guarded(&TForm6::CBGCDClick));
    connect(SBCD1ADD, &QToolButton::clicked, this, guarded(&TForm6::SBCD1ADDClick));
    connect(SBCD2ADD, &QToolButton::clicked, this, guarded(&TForm6::SBCD2ADDClick));
    connect(SBCDCUT, &QToolButton::clicked, this, guarded(&TForm6::SBCDCUTClick));
    connect(SBDVDADD, &QToolButton::clicked, this, guarded(&TForm6::SBDVDADDClick));
    connect(SBDVDCUT, &QToolButton::clicked, this, guarded(&TForm6::SBDVDCUTClick));
    connect(SBSELTIT, &QToolButton::clicked, this, guarded(&TForm6::SBSELTITClick));
    connect(SBRENOK, &QToolButton::clicked, this, guarded(&TForm6::SBRENOKClick));
    connect(PUMCHECKALL, &QAction::triggered, this, guarded(&TForm6::PUMCHECKALLClick));
    connect(PUMUNCHECKALL, &QAction::triggered, this, guarded(&TForm6::PUMUNCHECKALLClick));
    connect(PUMINVERTCHECK, &QAction::triggered, this, guarded(&TForm6::PUMINVERTCHECKClick));
    connect(LVAREN, &QTreeWidget::itemDoubleClicked, this, guarded(&TForm6::LVARENDblClick));
    connect(LVAREN, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupMenu1->popup(LVAREN->viewport()->mapToGlobal(p)); });
    // A tick set by the tick box goes into the row.
    connect(LVAREN, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        if (showingRows_ || column != ColNewTitle)
            return;
        int row = LVAREN->indexOfTopLevelItem(item);
        if (row >= 0 && row < static_cast<int>(rows_.size()))
            rows_[static_cast<std::size_t>(row)].Ticked = item->checkState(ColNewTitle) == Qt::Checked;
    });
    connect(LVAREN->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection& deselected) {
                Guard([&] {
                    for (const QModelIndex& i : deselected.indexes())
                        if (i.column() == ColNewTitle)
                            LVARENSelectItem(i.row(), false);
                    for (const QModelIndex& i : selected.indexes())
                        if (i.column() == ColNewTitle)
                            LVARENSelectItem(i.row(), true);
                });
            });
}

// ------------------------------------------------------------------ opening

void TForm6::Fill(const ShellRows& rows)
{
    folder_ = rows.FolderPath();
    rows_ = RenameRowsOf(rows);
    LVAREN->clear();
    ShowRows();
}

void TForm6::Execute(const ShellRows& rows)
{
    Fill(rows);
    QScreen* s = screen();
    QRect area = s ? s->availableGeometry() : QRect();
    resize(form1_->width(), height());
    move(area.left(), std::max(area.top(), area.top() + (area.height() - frameGeometry().height()) / 2));
    exec();
}

void TForm6::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        Guard([&] { FormShow(); });
}

// The pass runs at every opening, also while "AUTO" is locked.
void TForm6::FormShow() { ApplyAutoFunctions(); }

AutoOptions TForm6::Options() const
{
    AutoOptions o;
    o.dotsToBlanks = CBARREPL->isChecked();
    o.letterCase = RBFU->isChecked()   ? TitleCase::FirstUpper
                   : RBAU->isChecked() ? TitleCase::Upper
                   : RBAL->isChecked() ? TitleCase::Lower
                                       : TitleCase::AsIs;
    o.markDvd = CBGDVD->isChecked();
    o.dvdMarking = RBDVDUC->isChecked() ? DvdMarking::Capitals : DvdMarking::Marker;
    o.markCd = CBGCD->isChecked();
    return o;
}

void TForm6::ApplyAutoFunctions()
{
    vt::ApplyAutoFunctions(rows_, Options());
    ShowRows();
}

void TForm6::SBAPPLICAFClick() { ApplyAutoFunctions(); }

void TForm6::SBLOCKClick()
{
    SBAPPLICAF->setEnabled(!SBAPPLICAF->isEnabled());
    SBLOCK->setIcon(VtIcon(SBAPPLICAF->isEnabled() ? QStringLiteral("unlock") : QStringLiteral("lock")));
}

void TForm6::CBGDVDClick() { Panel4->setVisible(CBGDVD->isChecked()); }
void TForm6::CBGCDClick() { Panel5->setVisible(CBGCD->isChecked()); }

// ------------------------------------------------------------------ the list

void TForm6::ShowRows()
{
    showingRows_ = true;
    if (LVAREN->topLevelItemCount() != static_cast<int>(rows_.size())) {
        LVAREN->clear();
        QList<QTreeWidgetItem*> items;
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            auto* item = new QTreeWidgetItem;
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            items.append(item);
        }
        LVAREN->addTopLevelItems(items);
    }
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const TRenameRow& r = rows_[i];
        QTreeWidgetItem* item = LVAREN->topLevelItem(static_cast<int>(i));
        item->setText(ColNewTitle, PathToQ(r.NewTitle));
        item->setText(ColOldTitle, PathToQ(r.OldTitle));
        item->setText(ColExt, ToQ(r.Ext));
        item->setText(ColCD, ToQ(r.CDMark));
        item->setText(ColDVD, ToQ(r.DVDMark));
        item->setCheckState(ColNewTitle, r.Ticked ? Qt::Checked : Qt::Unchecked);
    }
    showingRows_ = false;
}

int TForm6::CurrentRow() const
{
    std::vector<int> sel = SelectedRows(LVAREN);
    return sel.empty() ? -1 : sel.front();
}

void TForm6::SetRowButtonsEnabled(bool on)
{
    for (QToolButton* b : {SBDVDADD, SBCD1ADD, SBCD2ADD, SBDVDCUT, SBCDCUT})
        b->setEnabled(on);
}

void TForm6::LVARENSelectItem(int, bool selected)
{
    SetRowButtonsEnabled(selected);
    if (EDSELEDIT->isVisible())
        EDSELEDIT->hide();
}

void TForm6::PressMark(MarkButton button)
{
    int row = CurrentRow();
    if (row < 0)
        return;
    std::string message =
        ApplyMarkButton(rows_[static_cast<std::size_t>(row)], button, Options().dvdMarking);
    ShowRows();
    if (!message.empty())
        form1_->ui().ShowError(message);
}

void TForm6::SBCD1ADDClick() { PressMark(MarkButton::CD1Add); }
void TForm6::SBCD2ADDClick() { PressMark(MarkButton::CD2Add); }
void TForm6::SBCDCUTClick() { PressMark(MarkButton::CDCut); }
void TForm6::SBDVDADDClick() { PressMark(MarkButton::DVDAdd); }
void TForm6::SBDVDCUTClick() { PressMark(MarkButton::DVDCut); }

void TForm6::PUMCHECKALLClick()
{
    ChangeTicks(rows_, TickChange::All);
    ShowRows();
}

void TForm6::PUMUNCHECKALLClick()
{
    ChangeTicks(rows_, TickChange::None);
    ShowRows();
}

void TForm6::PUMINVERTCHECKClick()
{
    ChangeTicks(rows_, TickChange::Invert);
    ShowRows();
}

// ------------------------------------------------------------------ in-place editing

void TForm6::LVARENDblClick()
{
    int row = CurrentRow();
    if (row < 0)
        return;
    // Over the title cell: the list's left edge, 2 pixels below the row's top.
    QRect cell = LVAREN->visualItemRect(LVAREN->topLevelItem(row));
    QPoint top = LVAREN->viewport()->mapTo(this, cell.topLeft());
    QPoint left = LVAREN->mapTo(this, QPoint(0, 0));
    EDSELEDIT->setGeometry(left.x(), top.y() + 2, LVAREN->columnWidth(ColNewTitle), 20);
    EDSELEDIT->SetName(rows_[static_cast<std::size_t>(row)].NewTitle);
    EDSELEDIT->show();
    EDSELEDIT->raise();
    EDSELEDIT->setFocus(Qt::OtherFocusReason);
}

void TForm6::SBSELTITClick()
{
    // Built for the sequence double click, select, this button: with the
    // editor hidden there is no title being edited.
    int row = CurrentRow();
    if (row < 0 || EDSELEDIT->isHidden())
        return;
    std::string text = EDSELEDIT->SelectedBytes();
    if (text.empty()) {
        EDSELEDIT->selectAll();
        text = EDSELEDIT->Name();
    }
    ComposeFromSelection(rows_[static_cast<std::size_t>(row)], text, Options());
    ShowRows();
    EDSELEDIT->hide();
}

// ------------------------------------------------------------------ renaming

void TForm6::SBRENOKClick()
{
    RenamePassResult pass = RenameTickedRows(rows_, folder_);
    ShowRows();
    if (pass.Failed() == 0) {
        accept();
        return;
    }
    form1_->ui().Message(MsgIcon::None, RenameFailedMessage(pass.Failed()));
}

} // namespace vt
