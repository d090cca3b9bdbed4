#include "archive/VT_U_LISTDB.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "app/VT_U1.h"
#include "archive/FilmDetails.h"
#include "archive/VT_U_DETT_DB.h"
#include "media/PlayerLaunch.h"
#include "platform/Regional.h"
#include "platform/qt/Icons.h"
#include "platform/qt/QtUiServices.h"
#include "platform/qt/Widgets.h"

namespace vt {

TForm3::TForm3(TForm1* form1) : QDialog(form1), form1_(form1)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Vantaro - Dettagli comparazione parametri titoli"));
    setModal(true);
    setMinimumSize(800, 400);
    resize(835, 400);
    // 0 a CD, 1 less, 2 equal, 3 greater, 4 a red database, 5 a question mark.
    images_ = {VtIcon("cd"), VtIcon("lt"), VtIcon("eq"), VtIcon("gt"), VtIcon("db_red"), VtIcon("question")};

    LISTATITDB = MakeListView(this, "LISTATITDB",
                              {"Pos", "Titolo Sorgente", "Titolo DB", "Dim Sorg.", "Dim DB", "Data Sorg.", "Data DB",
                               "DB", "Ris. KPix"},
                              true);
    QHeaderView* h = LISTATITDB->header();
    h->setStretchLastSection(false);
    const int widths[] = {40, 0, 0, 90, 90, 90, 90, 40, 85};
    for (int c = 0; c < 9; ++c) {
        if (widths[c])
            h->resizeSection(c, widths[c]);
        else
            h->setSectionResizeMode(c, QHeaderView::Stretch);
    }
    QPalette pal = LISTATITDB->palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, pal.color(QPalette::Active, QPalette::HighlightedText));
    LISTATITDB->setPalette(pal);

    SBADDSELOSEL = new QPushButton(QStringLiteral("Aggiungi titoli selez. a Selezione di copia ( + CD2 rel)"), this);
    SBADDSELOSEL->setObjectName(QStringLiteral("SBADDSELOSEL"));
    SBDETTTIT = new QPushButton(QStringLiteral("Dettagli titolo DB"), this);
    SBDETTTIT->setObjectName(QStringLiteral("SBDETTTIT"));
    for (QPushButton* b : {SBADDSELOSEL, SBDETTTIT}) {
        QFont f = b->font();
        f.setBold(true);
        b->setFont(f);
    }
    SBSORGPLAY = MakeSpeedButton(this, "SBSORGPLAY", VtIcon("play"), "Preview Filmato / Musica", "PLAY Sorgente");
    SBHDPLAY = MakeSpeedButton(this, "SBHDPLAY", VtIcon("play"), "Preview Filmato / Musica", "PLAY Media");
    SBPLAYDBL = MakeSpeedButton(this, "SBPLAYDBL", VtIcon("play_both"), "Preview Filmato / Musica");
    for (QWidget* w : std::initializer_list<QWidget*>{SBDETTTIT, SBSORGPLAY, SBHDPLAY, SBPLAYDBL})
        w->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SBADDSELOSEL);
    buttons->addWidget(SBDETTTIT);
    buttons->addStretch(1);
    buttons->addWidget(SBSORGPLAY);
    buttons->addWidget(SBHDPLAY);
    buttons->addWidget(SBPLAYDBL);
    auto* v = new QVBoxLayout(this);
    v->addWidget(LISTATITDB, 1);
    v->addLayout(buttons);

    auto guard = [this](auto fn) { return [this, fn] { RunGuarded(form1_->ui(), [&] { (this->*fn)(); }); }; };
    connect(LISTATITDB, &QTreeWidget::itemSelectionChanged, this, guard(&TForm3::LISTATITDBSelectItem));
    connect(LISTATITDB, &QTreeWidget::itemDoubleClicked, this, guard(&TForm3::SBDETTTITClick));
    connect(SBDETTTIT, &QPushButton::clicked, this, guard(&TForm3::SBDETTTITClick));
    connect(SBSORGPLAY, &QToolButton::clicked, this, guard(&TForm3::SBSORGPLAYClick));
    connect(SBHDPLAY, &QToolButton::clicked, this, guard(&TForm3::SBHDPLAYClick));
    connect(SBPLAYDBL, &QToolButton::clicked, this, guard(&TForm3::SBPLAYDBLClick));
    connect(SBADDSELOSEL, &QPushButton::clicked, this, guard(&TForm3::SBADDSELOSELClick));
}

void TForm3::SetUpForMode(CheckMode mode)
{
    auto captions = ComparisonCaptions(mode);
    const int columns[] = {2, 4, 6, 7};
    for (int i = 0; i < 4; ++i)
        LISTATITDB->headerItem()->setText(columns[i], ToQ(captions[static_cast<std::size_t>(i)]));
    SBHDPLAY->setVisible(mode == CheckMode::Media);
    SBPLAYDBL->setVisible(mode == CheckMode::Media);
}

void TForm3::ShowRows(const std::vector<ComparisonRow>& rows)
{
    LISTATITDB->clear();
    for (const auto& r : rows)
        AddRow(r);
}

void TForm3::AddRow(const ComparisonRow& row)
{
    auto* item = new QTreeWidgetItem;
    item->setText(0, ToQ(row.caption));
    for (int c = 1; c < 9; ++c) {
        const std::string& text = row.subItems[static_cast<std::size_t>(c - 1)];
        item->setText(c, (c == 1 || c == 2) ? PathToQ(text) : ToQ(text));
        int img = row.cellImages[static_cast<std::size_t>(c)];
        if (img >= 0 && img < images_.size())
            item->setIcon(c, images_[img]);
    }
    if (row.rowImage >= 0 && row.rowImage < images_.size())
        item->setIcon(0, images_[row.rowImage]);
    // The texts as the core made them, for the handlers.
    item->setData(1, Qt::UserRole, QByteArray::fromStdString(row.subItems[0]));
    LISTATITDB->addTopLevelItem(item);
}

QTreeWidgetItem* TForm3::CurrentRow() const { return LISTATITDB->currentItem(); }

void TForm3::LISTATITDBSelectItem()
{
    bool one = LISTATITDB->selectedItems().size() == 1;
    for (QWidget* w : std::initializer_list<QWidget*>{SBDETTTIT, SBSORGPLAY, SBHDPLAY, SBPLAYDBL})
        w->setEnabled(one);
}

const TMediaTitle* TForm3::MediaTitleOf(const QTreeWidgetItem* row) const
{
    std::int32_t j = 0;
    const auto& titles = form1_->state().MediaTitles;
    if (!TryStrToInt(FromQ(row->text(7)), j) || j < 0 || j >= static_cast<std::int32_t>(titles.size()))
        return nullptr;
    return &titles[static_cast<std::size_t>(j)];
}

void TForm3::SBDETTTITClick()
{
    QTreeWidgetItem* row = CurrentRow();
    if (!row)
        return;
    std::int32_t n = 0;
    if (form1_->state().LastCheckMode == CheckMode::Media) {
        // A media check's row holds a position in the media list; that
        // title keeps its archive record number, or "-".
        const TMediaTitle* t = MediaTitleOf(row);
        if (!t || !TryStrToInt(t->DB, n)) {
            form1_->ui().Beep();
            return;
        }
    } else if (!TryStrToInt(FromQ(row->text(7)), n)) {
        return;
    }
    if (n < 1 || n > form1_->state().FilmArchive.Count()) {
        form1_->ui().Beep();
        return;
    }
    ShowFilmDetails(*form1_, n);
}

std::string TForm3::SourcePath(const QTreeWidgetItem* row) const
{
    QByteArray name = row->data(1, Qt::UserRole).toByteArray();
    return form1_->SLV1->FolderPath() + PathDelim + name.toStdString();
}

std::string TForm3::MediaFilePath(const QTreeWidgetItem* row) const
{
    const TMediaTitle* t = MediaTitleOf(row);
    return t ? t->Path + PathDelim + t->Titolo : std::string();
}

void TForm3::SBSORGPLAYClick()
{
    if (QTreeWidgetItem* row = CurrentRow())
        form1_->PlayVideo(SourcePath(row));
}

void TForm3::SBHDPLAYClick() { PlayMedia(false); }

void TForm3::SBPLAYDBLClick() { PlayMedia(true); }

void TForm3::PlayMedia(bool withSource)
{
    QTreeWidgetItem* row = CurrentRow();
    if (!row)
        return;
    std::string media = MediaFilePath(row);
    if (media.empty()) {
        form1_->ui().Beep(); // the media list has changed since the check
        return;
    }
    if (withSource)
        form1_->PlayVideo(SourcePath(row), media);
    else
        form1_->PlayVideo(media);
}

void TForm3::SBADDSELOSELClick()
{
    std::vector<std::pair<int, std::string>> selected;
    for (int i = 0; i < LISTATITDB->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = LISTATITDB->topLevelItem(i);
        if (!item->isSelected())
            continue;
        std::int32_t pos = -1;
        TryStrToInt(FromQ(item->text(0)), pos);
        selected.emplace_back(pos, item->data(1, Qt::UserRole).toByteArray().toStdString());
    }
    SelectComparedFiles(*form1_->SLV1, selected);
}

} // namespace vt
