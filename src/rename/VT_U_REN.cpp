#include "rename/VT_U_REN.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include "app/VT_U1.h"
#include "platform/ShellRows.h"
#include "platform/qt/Icons.h"
#include "platform/qt/QtUiServices.h"
#include "platform/qt/Widgets.h"
#include "selection/Volumes.h"

namespace vt {

namespace {

// A static text on a sunken frame.
QLabel* StaticText(QWidget* parent, const QString& objectName)
{
    auto* l = new QLabel(parent);
    l->setObjectName(objectName);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setMinimumWidth(380);
    return l;
}

// The tool buttons never take the focus: the new-name edit keeps it, and
// with it the selection the tools work on.
QPushButton* BitBtn(QWidget* parent, const QString& objectName, const QString& caption, const QIcon& icon = {})
{
    auto* b = new QPushButton(icon, caption, parent);
    b->setObjectName(objectName);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

QToolButton* SpeedButton(QWidget* parent, const QString& objectName, const QString& caption, const QIcon& icon = {})
{
    QToolButton* b = MakeSpeedButton(parent, objectName, icon, {}, caption);
    if (icon.isNull())
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRaise(false);
    return b;
}

QComboBox* Combo(QWidget* parent, const QString& objectName, const std::string_view* items, std::size_t count)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(objectName);
    c->setEditable(true);
    // Typed text never becomes an item: it only counts as "no item".
    c->setInsertPolicy(QComboBox::NoInsert);
    for (std::size_t i = 0; i < count; ++i)
        c->addItem(ToQ(std::string(items[i])));
    c->setCurrentIndex(0);
    return c;
}

} // namespace

template <class F>
void TForm2::Guard(F&& f)
{
    RunGuarded(form1_->ui(), std::forward<F>(f));
}

TForm2::TForm2(TForm1* form1) : QDialog(form1), form1_(form1)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Vantaro - Rinomina singola"));
    setModal(true);
    // Fixed border and no buttons in the title bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    STVOLREN = StaticText(this, QStringLiteral("STVOLREN"));
    STPATHREN = StaticText(this, QStringLiteral("STPATHREN"));
    EDOLDNAME = new NameEdit(this);
    EDOLDNAME->setObjectName(QStringLiteral("EDOLDNAME"));
    EDOLDNAME->setReadOnly(true);
    EDOLDNAME->setFocusPolicy(Qt::ClickFocus);
    EDNEWNAME = new NameEdit(this);
    EDNEWNAME->setObjectName(QStringLiteral("EDNEWNAME"));
    EDNEWNAME->SetAutoSelect(true);
    EDNEWNAME->SetKeepSelection(true);
    EDNEWNAME->installEventFilter(this);
    SBUNDO = SpeedButton(this, QStringLiteral("SBUNDO"), QStringLiteral("Undo"),
                         QApplication::style()->standardIcon(QStyle::SP_ArrowBack));
    SBUNDO->setEnabled(false);

    CBFIND = Combo(this, QStringLiteral("CBFIND"), std::data(kFindItems), std::size(kFindItems));
    CBSOST = Combo(this, QStringLiteral("CBSOST"), std::data(kPutItems), std::size(kPutItems));
    LBSOST = new QLabel(ToQ(std::string(kCounterStartText)), this);
    LBSOST->setObjectName(QStringLiteral("LBSOST"));
    SBPULISCI = SpeedButton(this, QStringLiteral("SBPULISCI"), QStringLiteral("Sostituisci"));
    BitBtn1 = BitBtn(this, QStringLiteral("BitBtn1"), {}, VtIcon(QStringLiteral("case_upper")));
    BitBtn2 = BitBtn(this, QStringLiteral("BitBtn2"), {}, VtIcon(QStringLiteral("case_first")));
    BitBtn3 = BitBtn(this, QStringLiteral("BitBtn3"), {}, VtIcon(QStringLiteral("case_lower")));
    for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn3})
        b->setIconSize(QSize(24, 16));

    GroupBoxCD = new QGroupBox(QStringLiteral("Gestione - CDx"), this);
    GroupBoxCD->setObjectName(QStringLiteral("Panel1"));
    RBCD1 = new QRadioButton(QStringLiteral("- CD1"), GroupBoxCD);
    RBCD1->setObjectName(QStringLiteral("RBCD1"));
    RBCD2 = new QRadioButton(QStringLiteral("- CD2"), GroupBoxCD);
    RBCD2->setObjectName(QStringLiteral("RBCD2"));
    for (QRadioButton* rb : {RBCD1, RBCD2})
        rb->setFocusPolicy(Qt::NoFocus);
    cdGroup_ = new QButtonGroup(this);
    cdGroup_->addButton(RBCD1);
    cdGroup_->addButton(RBCD2);
    BitBtn5 = BitBtn(GroupBoxCD, QStringLiteral("BitBtn5"), QStringLiteral("Sistema selezione"));
    BitBtn4 = BitBtn(GroupBoxCD, QStringLiteral("BitBtn4"), QStringLiteral("Aggiungi"));
    auto* cdLayout = new QGridLayout(GroupBoxCD);
    cdLayout->addWidget(RBCD1, 0, 0);
    cdLayout->addWidget(RBCD2, 1, 0);
    cdLayout->addWidget(BitBtn5, 0, 1);
    cdLayout->addWidget(BitBtn4, 1, 1);

    GroupBoxNome = new QGroupBox(QStringLiteral("Ricrea nome "), this);
    GroupBoxNome->setObjectName(QStringLiteral("Panel2"));
    BitBtn6 = BitBtn(GroupBoxNome, QStringLiteral("BitBtn6"), QStringLiteral("Crea Nome"));
    auto* nameLayout = new QGridLayout(GroupBoxNome);
    nameLayout->addWidget(new QLabel(QStringLiteral("Selezione = titolo +"), GroupBoxNome), 0, 0);
    nameLayout->addWidget(new QLabel(QStringLiteral("CDx settato + "), GroupBoxNome), 1, 0);
    nameLayout->addWidget(new QLabel(QStringLiteral("estensione file"), GroupBoxNome), 2, 0);
    nameLayout->addWidget(BitBtn6, 0, 1, 3, 1);

    SBRENOK = SpeedButton(this, QStringLiteral("SBRENOK"), QStringLiteral("ACCETTA"),
                          QApplication::style()->standardIcon(QStyle::SP_DialogApplyButton));
    SBRENABORT = SpeedButton(this, QStringLiteral("SBRENABORT"), QStringLiteral("ANNULLA"),
                             QApplication::style()->standardIcon(QStyle::SP_DialogCancelButton));

    // Layout: the item's place and names on top, the tools below, the two
    // closing buttons at the bottom right.
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Volume"), this), 0, 0);
    grid->addWidget(STVOLREN, 0, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Path"), this), 1, 0);
    grid->addWidget(STPATHREN, 1, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Nome corrente"), this), 2, 0);
    grid->addWidget(EDOLDNAME, 2, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Nuovo nome"), this), 3, 0);
    grid->addWidget(EDNEWNAME, 3, 1, 1, 2);
    grid->addWidget(SBUNDO, 3, 3);

    auto* subst = new QHBoxLayout;
    subst->addWidget(new QLabel(QStringLiteral("Sostituisci"), this));
    subst->addWidget(CBFIND);
    subst->addWidget(new QLabel(QStringLiteral("Con"), this));
    subst->addWidget(CBSOST);
    subst->addWidget(SBPULISCI);
    subst->addWidget(LBSOST, 1);

    auto* tools = new QHBoxLayout;
    auto* caseButtons = new QVBoxLayout;
    caseButtons->addWidget(BitBtn1);
    caseButtons->addWidget(BitBtn2);
    caseButtons->addWidget(BitBtn3);
    tools->addLayout(caseButtons);
    tools->addWidget(GroupBoxCD);
    tools->addWidget(GroupBoxNome);
    tools->addStretch(1);
    auto* closing = new QVBoxLayout;
    closing->addStretch(1);
    closing->addWidget(SBRENOK);
    closing->addWidget(SBRENABORT);
    tools->addLayout(closing);

    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(subst);
    main->addLayout(tools);
    main->setSizeConstraint(QLayout::SetFixedSize);

    auto guarded = [this](void (TForm2::*handler)()) { return [this, handler] { Guard([&] { (this->*handler)(); }); }; };
    connect(SBPULISCI, &QToolButton::clicked, this, guarded(&TForm2::SBPULISCIClick));
    connect(BitBtn1, &QPushButton::clicked, this, guarded(&TForm2::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, guarded(&TForm2::BitBtn2Click));
    connect(BitBtn3, &QPushButton::clicked, this, guarded(&TForm2::BitBtn3Click));
    connect(BitBtn4, &QPushButton::clicked, this, guarded(&TForm2::BitBtn4Click));
    connect(BitBtn5, &QPushButton::clicked, this, guarded(&TForm2::BitBtn5Click));
    connect(BitBtn6, &QPushButton::clicked, this, guarded(&TForm2::BitBtn6Click));
    connect(SBUNDO, &QToolButton::clicked, this, guarded(&TForm2::SBUNDOClick));
    connect(SBRENOK, &QToolButton::clicked, this, guarded(&TForm2::SBRENOKClick));
    connect(SBRENABORT, &QToolButton::clicked, this, guarded(&TForm2::SBRENABORTClick));
    connect(EDNEWNAME, &QLineEdit::textChanged, this, guarded(&TForm2::EDNEWNAMEChange));
}

// ------------------------------------------------------------------ opening

void TForm2::Fill(const std::string& folder, const std::string& name)
{
    folder_ = folder;
    STPATHREN->setText(PathToQ(folder));
    STVOLREN->setText(ToQ(GetVolumeLabel(folder)));
    EDOLDNAME->SetName(name);
    EDNEWNAME->SetName(name);
    SBUNDO->setEnabled(false);
    renamed_ = false;
    enterDown_ = false;
}

bool TForm2::Execute(const std::string& folder, const std::string& name)
{
    Fill(folder, name);
    adjustSize();
    if (QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
    exec();
    return renamed_;
}

bool TForm2::Execute(const ShellRows& rows)
{
    int row = rows.FirstSelected();
    if (row < 0)
        return false;
    return Execute(rows.FolderPath(), rows.Caption(row));
}

void TForm2::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (!e->spontaneous())
        Guard([&] { FormShow(); });
}

void TForm2::FormShow()
{
    // An exclusive group never lets both buttons go off by themselves.
    cdGroup_->setExclusive(false);
    RBCD1->setChecked(false);
    RBCD2->setChecked(false);
    cdGroup_->setExclusive(true);
    switch (CDChoiceOf(EDOLDNAME->Name())) {
    case CDChoice::CD1: RBCD1->setChecked(true); break;
    case CDChoice::CD2: RBCD2->setChecked(true); break;
    case CDChoice::None: break;
    }
    EDNEWNAME->setFocus(Qt::OtherFocusReason);
    EDNEWNAME->selectAll();
}

// ------------------------------------------------------------------ tools

CDChoice TForm2::CDState() const
{
    if (RBCD1->isChecked())
        return CDChoice::CD1;
    if (RBCD2->isChecked())
        return CDChoice::CD2;
    return CDChoice::None;
}

EditText TForm2::CurrentEdit() const
{
    return {EDNEWNAME->Name(), EDNEWNAME->SelStartBytes(), EDNEWNAME->SelLengthBytes()};
}

int TForm2::ItemIndex(const QComboBox* box)
{
    int i = box->currentIndex();
    if (i < 0 || box->currentText() != box->itemText(i))
        return -1;
    return i;
}

void TForm2::Apply(const ToolResult& r)
{
    if (r.beep)
        form1_->ui().Beep();
    if (r.counter)
        LBSOST->setText(ToQ(*r.counter));
    if (r.setText) {
        EDNEWNAME->SetName(r.edit.text);
        // Set again unchanged, the text sends no change; the tool still counts.
        SBUNDO->setEnabled(true);
        EDNEWNAME->SetSelectionBytes(r.edit.selStart, r.edit.selLength);
    }
    if (!r.error.empty())
        form1_->ui().ShowError(r.error);
}

void TForm2::SBPULISCIClick() { Apply(SubstituteTool(CurrentEdit(), ItemIndex(CBFIND), ItemIndex(CBSOST))); }
void TForm2::BitBtn1Click() { Apply(LetterCaseTool(CurrentEdit(), CaseButton::Upper)); }
void TForm2::BitBtn2Click() { Apply(LetterCaseTool(CurrentEdit(), CaseButton::FirstUpper)); }
void TForm2::BitBtn3Click() { Apply(LetterCaseTool(CurrentEdit(), CaseButton::Lower)); }
void TForm2::BitBtn4Click() { Apply(AddCDTool(CurrentEdit(), CDState())); }
void TForm2::BitBtn5Click() { Apply(FixSelectionTool(CurrentEdit(), CDState())); }
void TForm2::BitBtn6Click() { Apply(MakeNameTool(CurrentEdit(), CDState())); }

void TForm2::SBUNDOClick()
{
    EDNEWNAME->SetName(EDOLDNAME->Name());
    SBUNDO->setEnabled(false);
}

void TForm2::EDNEWNAMEChange()
{
    if (!SBUNDO->isEnabled())
        SBUNDO->setEnabled(true);
}

// ------------------------------------------------------------------ closing

bool TForm2::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == EDNEWNAME && (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease)) {
        auto* k = static_cast<QKeyEvent*>(e);
        bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
        if (enter && !k->isAutoRepeat()) {
            if (e->type() == QEvent::KeyPress) {
                enterDown_ = true;
            } else if (enterDown_) {
                // Only an Enter pressed here too: the release of the Enter
                // that opened the dialog from another window does not rename.
                enterDown_ = false;
                Guard([&] { EDNEWNAMEKeyUp(13); });
            }
            return true; // the dialog's own Enter handling stays out of it
        }
    }
    return QDialog::eventFilter(watched, e);
}

void TForm2::EDNEWNAMEKeyUp(int key)
{
    if (key == 13)
        DoRename();
}

void TForm2::SBRENOKClick() { DoRename(); }

void TForm2::DoRename()
{
    // No test first: an unchanged or empty name goes to the rename as typed.
    int err = RenameInFolder(folder_, EDOLDNAME->Name(), EDNEWNAME->Name());
    renamed_ = err == 0;
    if (!renamed_)
        form1_->ui().ShowError(std::string(kRenameFailedText));
    done(renamed_ ? QDialog::Accepted : QDialog::Rejected);
}

void TForm2::SBRENABORTClick()
{
    renamed_ = false;
    reject();
}

} // namespace vt
