#include "platform/qt/Widgets.h"

#include <QHeaderView>

#include "platform/Regional.h"
#include "platform/qt/QtUiServices.h"

namespace vt {

PathEdit::PathEdit(QWidget* parent) : QLineEdit(parent)
{
    setReadOnly(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, QColor(0xff, 0xff, 0xe1)); // the tooltip colour
    setPalette(pal);
}

void PathEdit::SetPath(const std::string& path)
{
    path_ = path;
    setText(PathToQ(path));
    setCursorPosition(0);
}

SpinEdit::SpinEdit(QWidget* parent) : QDoubleSpinBox(parent)
{
    setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    setDecimals(6);
}

QString SpinEdit::textFromValue(double value) const { return ToQ(FloatToStr(value, ItalianFormat())); }

double SpinEdit::valueFromText(const QString& text) const
{
    double v = 0;
    TryStrToFloat(FromQ(text), ItalianFormat(), v);
    return v;
}

QValidator::State SpinEdit::validate(QString& input, int&) const
{
    if (input.isEmpty())
        return QValidator::Intermediate;
    double v = 0;
    if (!TryStrToFloat(FromQ(input), ItalianFormat(), v)) {
        // A number still being typed: "12," or a lone sign.
        QString t = input;
        if (t.endsWith(QLatin1Char(',')) || t == QLatin1String("-"))
            return QValidator::Intermediate;
        return QValidator::Invalid;
    }
    return (v >= minimum() && v <= maximum()) ? QValidator::Acceptable : QValidator::Intermediate;
}

QToolButton* MakeSpeedButton(QWidget* parent, const QString& objectName, const QIcon& icon, const QString& hint,
                             const QString& caption)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(objectName);
    b->setIcon(icon);
    b->setIconSize(QSize(20, 20));
    b->setToolTip(hint);
    b->setAutoRaise(true);
    if (!caption.isEmpty()) {
        b->setText(caption);
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    return b;
}

QTreeWidget* MakeListView(QWidget* parent, const QString& objectName, const QStringList& columns, bool multiSelect)
{
    auto* lv = new QTreeWidget(parent);
    lv->setObjectName(objectName);
    lv->setColumnCount(static_cast<int>(columns.size()));
    lv->setHeaderLabels(columns);
    lv->setRootIsDecorated(false);
    lv->setItemsExpandable(false);
    lv->setUniformRowHeights(true);
    lv->setAllColumnsShowFocus(true);
    lv->setSelectionBehavior(QAbstractItemView::SelectRows);
    lv->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    lv->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lv->header()->setSectionsClickable(false);
    lv->setStyleSheet(QStringLiteral("QTreeView::item { border-right: 1px solid #d8d8d8; border-bottom: 1px solid #d8d8d8; }"));
    return lv;
}

} // namespace vt
