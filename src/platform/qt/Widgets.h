#pragma once
// Small widgets the windows share: a read-only edit that keeps a path as the
// bytes it was given, the numeric spin edit, and the picture button.
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <string>
#include <vector>

namespace vt {

// Read-only edit on the tooltip colour that shows a path. The path is kept
// as bytes: a folder whose name is not valid UTF-8 is shown with a
// replacement character but still reaches the file system unchanged.
class PathEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit PathEdit(QWidget* parent = nullptr);
    void SetPath(const std::string& path);
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// Numeric spin edit whose text is the number in the Italian general format
// ("10", "12,5"), as the settings file stores it.
class SpinEdit : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit SpinEdit(QWidget* parent = nullptr);
    QString textFromValue(double value) const override;
    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& input, int& pos) const override;
};

// A flat picture button with a hint, optionally with a caption.
QToolButton* MakeSpeedButton(QWidget* parent, const QString& objectName, const QIcon& icon, const QString& hint,
                             const QString& caption = {});

// A report-style list view with grid lines and whole-row selection.
QTreeWidget* MakeListView(QWidget* parent, const QString& objectName, const QStringList& columns, bool multiSelect);

// Rebuilds a list view from rows of the core: caption, sub-items, the
// small image (from `smallImages`) and the state image (from
// `stateImages`), drawn side by side as a list view with state images does.
// Names are shown through the file-name codec.
struct ListRow;
void FillListView(QTreeWidget* view, const std::vector<ListRow>& rows, const QList<QIcon>& smallImages,
                  const QList<QIcon>& stateImages = {});
// Changes the state image of one row of a list filled by FillListView.
void SetRowStateImage(QTreeWidget* view, int row, int stateIndex, const QList<QIcon>& smallImages,
                      const QList<QIcon>& stateImages);
// Rows of the list view that are selected, in order.
std::vector<int> SelectedRows(const QTreeWidget* view);

} // namespace vt
