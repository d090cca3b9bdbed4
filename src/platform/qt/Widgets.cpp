#include "platform/qt/Widgets.h"

#include <QHeaderView>
#include <QPainter>

#include "platform/Regional.h"
#include "platform/qt/QtUiServices.h"
#include "selection/CopyList.h"

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

namespace {

constexpr int kSmallRole = Qt::UserRole + 1;
constexpr int kStateRole = Qt::UserRole + 2;

QIcon RowIcon(int small, int state, const QList<QIcon>& smallImages, const QList<QIcon>& stateImages)
{
    bool hasSmall = small >= 0 && small < smallImages.size();
    bool hasState = state >= 0 && state < stateImages.size();
    if (!hasState)
        return hasSmall ? smallImages[small] : QIcon();
    QPixmap pm(hasSmall ? 34 : 16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.drawPixmap(0, 0, stateImages[state].pixmap(16, 16));
    if (hasSmall)
        p.drawPixmap(18, 0, smallImages[small].pixmap(16, 16));
    p.end();
    return QIcon(pm);
}

} // namespace

void FillListView(QTreeWidget* view, const std::vector<ListRow>& rows, const QList<QIcon>& smallImages,
                  const QList<QIcon>& stateImages)
{
    view->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const auto& r : rows) {
        auto* item = new QTreeWidgetItem;
        item->setText(0, PathToQ(r.caption));
        for (std::size_t i = 0; i < r.subItems.size(); ++i)
            item->setText(static_cast<int>(i + 1), PathToQ(r.subItems[i]));
        for (int c = 1; c < view->columnCount(); ++c)
            item->setTextAlignment(c, Qt::Alignment(view->headerItem()->textAlignment(c)));
        item->setData(0, kSmallRole, r.imageIndex);
        item->setData(0, kStateRole, r.stateIndex);
        item->setIcon(0, RowIcon(r.imageIndex, r.stateIndex, smallImages, stateImages));
        items.append(item);
    }
    view->addTopLevelItems(items);
}

void SetRowStateImage(QTreeWidget* view, int row, int stateIndex, const QList<QIcon>& smallImages,
                      const QList<QIcon>& stateImages)
{
    QTreeWidgetItem* item = view->topLevelItem(row);
    if (!item)
        return;
    item->setData(0, kStateRole, stateIndex);
    item->setIcon(0, RowIcon(item->data(0, kSmallRole).toInt(), stateIndex, smallImages, stateImages));
}

std::vector<int> SelectedRows(const QTreeWidget* view)
{
    std::vector<int> out;
    for (int i = 0; i < view->topLevelItemCount(); ++i)
        if (view->topLevelItem(i)->isSelected())
            out.push_back(i);
    return out;
}

} // namespace vt
