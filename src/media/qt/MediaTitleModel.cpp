#include "media/qt/MediaTitleModel.h"

#include <QPainter>
#include <QPixmap>

#include "platform/qt/Icons.h"
#include "platform/qt/QtUiServices.h"

namespace vt {

namespace {

const char* const kCaptions[kMediaColumnCount] = {"Titolo ^", "Dim MB ^", "Data ^", "Path ^", "DB", "Ris. W x H"};
const int kWidths[kMediaColumnCount] = {300, 80, 100, 250, 40, 80};

// The state image is drawn left of the small image, as a list view with
// both image lists does; without a state image the small one stands alone.
QIcon Combined(const QIcon& state, const QIcon& small)
{
    QPixmap pm(small.isNull() ? 16 : 34, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.drawPixmap(0, 0, state.pixmap(16, 16));
    if (!small.isNull())
        p.drawPixmap(18, 0, small.pixmap(16, 16));
    p.end();
    return QIcon(pm);
}

} // namespace

MediaTitleModel::MediaTitleModel(ProgramState& state, QObject* parent) : QAbstractTableModel(parent), state_(state)
{
    inArchive_ = VtIcon(QStringLiteral("database"));
    duplicate_ = VtIcon(QStringLiteral("dup"));
    both_ = Combined(duplicate_, inArchive_);
}

int MediaTitleModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(state_.MediaTitles.size());
}

int MediaTitleModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kMediaColumnCount; }

QIcon MediaTitleModel::RowIcon(const TMediaTitle& t) const
{
    if (t.DuplicateMark)
        return t.InArchive ? both_ : duplicate_;
    return t.InArchive ? inArchive_ : QIcon();
}

QVariant MediaTitleModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const TMediaTitle& t = state_.MediaTitles[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case kColTitolo: return PathToQ(t.Titolo);
        case kColDimMB: return ToQ(t.DimMB);
        case kColData: return ToQ(t.Data);
        case kColPath: return PathToQ(t.Path);
        case kColDB: return ToQ(t.DB);
        case kColRis: return ToQ(t.Ris);
        default: return {};
        }
    case Qt::DecorationRole:
        if (index.column() == kColTitolo) {
            QIcon icon = RowIcon(t);
            if (!icon.isNull())
                return icon;
        }
        return {};
    case Qt::ForegroundRole: return QColor(Qt::black);
    default: return {};
    }
}

QVariant MediaTitleModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kMediaColumnCount)
        return Caption(section);
    return {};
}

Qt::ItemFlags MediaTitleModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void MediaTitleModel::Reload()
{
    beginResetModel();
    endResetModel();
}

QString MediaTitleModel::Caption(int column) { return QString::fromUtf8(kCaptions[column]); }
int MediaTitleModel::Width(int column) { return kWidths[column]; }

} // namespace vt
