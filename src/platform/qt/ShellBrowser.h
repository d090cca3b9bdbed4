#pragma once
// The shell browser: the folder tree STV1, the file list SLV1 and the folder
// browse dialog FD1.
//
// The list is the program's own model over the core's folder listing rather
// than QFileSystemModel: the logic needs the names as the bytes the file
// system gives (a name that is not valid UTF-8 must still reach the file),
// and the rows must come in the program's own order.
#include <QAbstractTableModel>
#include <QFileSystemModel>
#include <QFileSystemWatcher>
#include <QIcon>
#include <QList>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <unordered_map>
#include <vector>

#include "platform/Files.h"
#include "platform/ShellRows.h"
#include "platform/UiServices.h"

namespace vt {

class ShellListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColName, ColSize, ColType, ColDate, ColumnCount };

    explicit ShellListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // New rows; state images are kept for names that stay.
    void SetEntries(std::vector<FolderEntry> entries, bool keepStates);
    const FolderEntry& Entry(int row) const { return entries_[static_cast<std::size_t>(row)]; }
    int RowOf(const std::string& name) const;
    int StateImage(int row) const { return states_[static_cast<std::size_t>(row)]; }
    void SetStateImage(int row, int image);
    void SetStateIcons(QList<QIcon> icons);
    // Lets the given row's name be edited in place (-1: none).
    void SetEditableRow(int row) { editableRow_ = row; }

signals:
    // The user typed a new name for a row in place.
    void renameRequested(int row, const QString& newName);

private:
    QIcon RowIcon(int row) const;
    QString TypeText(const FolderEntry& e) const;

    std::vector<FolderEntry> entries_;
    std::vector<int> states_;
    QList<QIcon> stateIcons_;
    int editableRow_ = -1;
    mutable std::unordered_map<std::string, QString> typeCache_;
    mutable std::unordered_map<int, QIcon> iconCache_;
    QIcon fileIcon_, folderIcon_;
};

// SLV1: the list of the folder chosen in the tree.
class ShellList : public QTreeView, public ShellRows {
    Q_OBJECT
public:
    explicit ShellList(QWidget* parent = nullptr);

    void SetUi(UiServices* ui) { ui_ = ui; }

    // ShellRows
    int RowCount() const override;
    std::string Caption(int row) const override;
    bool Selected(int row) const override;
    void SetSelected(int row, bool selected) override;
    int StateImage(int row) const override;
    void SetStateImage(int row, int image) override;
    std::string FolderPath() const override { return folder_; }

    bool IsFolderRow(int row) const;
    const FolderEntry& Entry(int row) const { return model_.Entry(row); }

    // Shows a folder. Throws PlatformError when it cannot be read; the list
    // then stays on the folder it showed.
    void SetFolder(const std::string& path);
    // SetFolder inside the handler guard: a folder that cannot be read shows
    // its error and the list stays where it was. False in that case.
    bool OpenFolder(const std::string& path);
    // Shows the parent folder (levels times); nothing above "/".
    void GoUp(int levels);
    // Makes a new folder "Nuova cartella" (or "Nuova cartella (2)", ...) in
    // the folder shown and, when asked, opens its name for editing.
    bool CreateNewFolder(bool editName);
    // Lists the folder again, keeping selection and state images by name.
    void Refresh();

    void SetStateIcons(QList<QIcon> icons) { model_.SetStateIcons(std::move(icons)); }
    ShellListModel& model() { return model_; }

signals:
    void SelectItem(int row, bool selected);
    void FillComplete();
    // A double click on a row that is not a folder. A handler that sets
    // `handled` keeps the default action; there is none: files are never
    // opened through the desktop from here.
    void DblClickOpen(int row, bool& handled);
    void FolderChanged(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Fill(std::vector<FolderEntry> entries, bool keepState);
    void OpenRow(int row);
    void OnRenameRequested(int row, const QString& name);
    void ReportError(const std::string& text);

    ShellListModel model_;
    std::string folder_;
    QFileSystemWatcher watcher_;
    QTimer refreshTimer_;
    UiServices* ui_ = nullptr;
};

// STV1: the folder tree, linked to a ShellList.
class ShellTree : public QTreeView {
    Q_OBJECT
public:
    explicit ShellTree(QWidget* parent = nullptr);
    void SetShellList(ShellList* list);

private:
    void ShowPath(const QString& path);
    void OnCurrentChanged(const QModelIndex& index);

    QFileSystemModel fsModel_;
    ShellList* list_ = nullptr;
    bool syncing_ = false;
};

// FD1: modal folder browse dialog.
class FolderBrowseDialog {
public:
    explicit FolderBrowseDialog(QWidget* parent, QString title);
    void SetFolder(const std::string& path) { folder_ = path; }
    // Modal; true when the user confirmed a folder.
    bool Execute();
    // The chosen folder, in the form of FolderPath.
    std::string SelectedFolder() const { return selected_; }

    // Window tests answer the dialog with this instead of showing it.
    static std::function<bool(const std::string& start, std::string& chosen)> testHook;

private:
    QWidget* parent_;
    QString title_;
    std::string folder_;
    std::string selected_;
};

} // namespace vt
