#pragma once
// The list view LVSUC over the media title table of the program state: row
// i is table entry i, the six columns are its texts, and column 0 carries
// the state image (duplicate mark) beside the small image (in the archive).
// The table is the data; the model only shows it and is reset whenever the
// logic has changed the table.
#include <QAbstractTableModel>
#include <QIcon>
#include <QList>

#include "app/ProgramState.h"

namespace vt {

class MediaTitleModel : public QAbstractTableModel {
    Q_OBJECT
public:
    MediaTitleModel(ProgramState& state, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The table changed (a scan, a sort, the duplicate search, a deletion).
    void Reload();

    // Column captions and widths of LVSUC.
    static QString Caption(int column);
    static int Width(int column);

private:
    QIcon RowIcon(const TMediaTitle& t) const;

    ProgramState& state_;
    // ImageList1 of the window: small image 0 "in the archive", state
    // image 1 "duplicate", and both drawn side by side.
    QIcon inArchive_, duplicate_, both_;
};

} // namespace vt
