#include "archive/VT_U_DETT_DB.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "app/VT_U1.h"
#include "archive/FilmDetails.h"
#include "platform/Error.h"
#include "platform/qt/QtUiServices.h"

namespace vt {

PictureView::PictureView(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setMinimumSize(100, 100);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

void PictureView::LoadFromFile(const std::string& path)
{
    QImageReader reader(PathToQ(path));
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull())
        throw PlatformError(FromQ(reader.errorString()) + ": " + path);
    picture_ = QPixmap::fromImage(image);
    Rescale();
}

void PictureView::ClearPicture()
{
    picture_ = QPixmap();
    clear();
}

void PictureView::resizeEvent(QResizeEvent* e)
{
    QLabel::resizeEvent(e);
    Rescale();
}

void PictureView::Rescale()
{
    if (picture_.isNull())
        return;
    setPixmap(picture_.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

namespace {
QLineEdit* Field(QWidget* parent, const char* name, bool readOnly)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    if (readOnly) {
        e->setReadOnly(true);
        QPalette pal = e->palette();
        pal.setColor(QPalette::Base, QColor(0xff, 0xff, 0xe1)); // the info colour
        e->setPalette(pal);
    }
    return e;
}
QLabel* Caption(QWidget* parent, const char* text, bool large = false)
{
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    if (large) {
        QFont f = l->font();
        f.setPixelSize(15);
        l->setFont(f);
    }
    return l;
}
} // namespace

TForm4::TForm4(TForm1* form1) : QDialog(form1), form1_(form1)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Vantaro - Dettagli titolo in Database"));
    setModal(true);
    setMinimumSize(680, 460);
    resize(680, 460);

    auto* datidb = new QWidget(this);
    datidb->setObjectName(QStringLiteral("DATIDB"));
    auto* g = new QGridLayout(datidb);
    DBEDtitolo = Field(datidb, "DBEDtitolo", true);
    DBEDgenere = Field(datidb, "DBEDgenere", false);
    DBEDdurata = Field(datidb, "DBEDdurata", false);
    DBEDdatau = Field(datidb, "DBEDdatau", false);
    DBEDdataa = Field(datidb, "DBEDdataa", true);
    DBEDattore1 = Field(datidb, "DBEDattore1", false);
    DBEDattore2 = Field(datidb, "DBEDattore2", false);
    DBEDregia = Field(datidb, "DBEDregia", false);
    DBEDposizione = Field(datidb, "DBEDposizione", false);
    DBEDdimmb = Field(datidb, "DBEDdimmb", true);
    int r = 0;
    g->addWidget(Caption(datidb, "Titolo", true), r, 0);
    g->addWidget(DBEDtitolo, r++, 1, 1, 3);
    g->addWidget(Caption(datidb, "Genere", true), r, 0);
    g->addWidget(DBEDgenere, r, 1);
    g->addWidget(Caption(datidb, "Durata"), r, 2);
    g->addWidget(DBEDdurata, r++, 3);
    g->addWidget(Caption(datidb, "Anno"), r, 0);
    g->addWidget(DBEDdatau, r, 1);
    g->addWidget(Caption(datidb, "Data Arrivo"), r, 2);
    g->addWidget(DBEDdataa, r++, 3);
    g->addWidget(Caption(datidb, "Attori A"), r, 0);
    g->addWidget(DBEDattore1, r++, 1, 1, 3);
    g->addWidget(Caption(datidb, "Attori B"), r, 0);
    g->addWidget(DBEDattore2, r++, 1, 1, 3);
    g->addWidget(Caption(datidb, "Regia"), r, 0);
    g->addWidget(DBEDregia, r++, 1, 1, 3);
    g->addWidget(Caption(datidb, "Posizione"), r, 0);
    g->addWidget(DBEDposizione, r, 1);
    g->addWidget(Caption(datidb, "Dim MB"), r, 2);
    g->addWidget(DBEDdimmb, r++, 3);
    g->addWidget(Caption(datidb, "Trama"), r++, 0);
    DBMtrama = new QPlainTextEdit(datidb);
    DBMtrama->setObjectName(QStringLiteral("DBMtrama"));
    DBMtrama->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    g->addWidget(DBMtrama, r, 0, 1, 4);
    g->setRowStretch(r, 1);

    // The bevelled frame around the picture.
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("VrBlotter3"));
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(4);
    frame->setStyleSheet(QStringLiteral("#VrBlotter3 { background: #808080; border: 4px outset #32cd32; }"));
    auto* fl = new QVBoxLayout(frame);
    fl->setContentsMargins(6, 6, 6, 6);
    DBJPGcover = new PictureView(frame);
    DBJPGcover->setObjectName(QStringLiteral("DBJPGcover"));
    fl->addWidget(DBJPGcover);

    auto* h = new QHBoxLayout(this);
    h->addWidget(datidb, 3);
    h->addWidget(frame, 2);
}

void ShowFilmDetails(TForm1& form1, int n)
{
    TForm4& f = *form1.Form4;
    FilmDetails d = DetailsOf(form1.state(), n);
    // The picture first: one that cannot be decoded stops here, before
    // anything is shown.
    if (d.picture.empty())
        f.DBJPGcover->ClearPicture();
    else
        f.DBJPGcover->LoadFromFile(d.picture);
    f.DBEDtitolo->setText(PathToQ(d.titolo));
    f.DBEDgenere->setText(ToQ(d.genere));
    f.DBEDdurata->setText(ToQ(d.durata));
    f.DBEDdatau->setText(ToQ(d.datau));
    f.DBEDdataa->setText(ToQ(d.dataa));
    f.DBEDattore1->setText(ToQ(d.attore1));
    f.DBEDattore2->setText(ToQ(d.attore2));
    f.DBEDregia->setText(ToQ(d.regia));
    f.DBEDposizione->setText(ToQ(d.posizione));
    f.DBEDdimmb->setText(ToQ(d.dimmb));
    f.DBMtrama->setPlainText(ToQ(d.trama));
    f.move(form1.geometry().center() - f.rect().center());
    f.exec();
}

} // namespace vt
