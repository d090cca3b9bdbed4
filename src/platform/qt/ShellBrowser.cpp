#include "platform/qt/ShellBrowser.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeDatabase>
#include <QPainter>
#include <cmath>

#include "platform/Error.h"
#include "platform/Regional.h"
#include "platform/qt/QtUiServices.h"

namespace vt {

// ---------------------------------------------------------------- model

ShellListModel::ShellListModel(QObject* parent) : QAbstractTableModel(parent)
{
    QFileIconProvider icons;
    fileIcon_ = icons.icon(QAbstractFileIconProvider::File);
    folderIcon_ = icons.icon(QAbstractFileIconProvider::Folder);
}

int ShellListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int ShellListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant ShellListModel::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole) {
        switch (section) {
        case ColName: return QStringLiteral("Nome");
        case ColSize: return QStringLiteral("Dimensione");
        case ColType: return QStringLiteral("Tipo");
        case ColDate: return QStringLiteral("Ultima modifica");
        }
    }
    if (role == Qt::TextAlignmentRole && section == ColSize)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QString ShellListModel::TypeText(const FolderEntry& e) const
{
    if (e.isFolder)
        return QStringLiteral("Cartella di file");
    auto dot = e.name.rfind('.');
    std::string ext = (dot == std::string::npos || dot == 0) ? std::string() : e.name.substr(dot + 1);
    for (char& c : ext)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    auto it = typeCache_.find(ext);
    if (it != typeCache_.end())
        return it->second;
    QString text;
    if (!ext.empty()) {
        static QMimeDatabase db;
        QMimeType mt = db.mimeTypeForFile(QStringLiteral("x.") + ToQ(ext).toLower(), QMimeDatabase::MatchExtension);
        if (mt.isValid() && !mt.isDefault())
            text = mt.comment();
    }
    if (text.isEmpty())
        text = ext.empty() ? QStringLiteral("File") : QStringLiteral("File ") + ToQ(ext);
    typeCache_.emplace(ext, text);
    return text;
}

QIcon ShellListModel::RowIcon(int row) const
{
    const FolderEntry& e = Entry(row);
    int state = states_[static_cast<std::size_t>(row)];
    const QIcon& base = e.isFolder ? folderIcon_ : fileIcon_;
    if (state < 0 || state >= stateIcons_.size())
        return base;
    // The state picture stands left of the file's own picture, as in a
    // list view with state images.
    int key = state * 2 + (e.isFolder ? 1 : 0);
    auto it = iconCache_.find(key);
    if (it != iconCache_.end())
        return it->second;
    QPixmap pm(34, 16);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.drawPixmap(0, 0, stateIcons_[state].pixmap(16, 16));
        p.drawPixmap(18, 0, base.pixmap(16, 16));
    }
    QIcon icon(pm);
    iconCache_.emplace(key, icon);
    return icon;
}

QVariant ShellListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const FolderEntry& e = Entry(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (index.column()) {
        case ColName: return PathToQ(e.name);
        case ColSize:
            if (e.isFolder)
                return QString();
            // As a file manager shows it: whole kilobytes, rounded up.
            return ToQ(FormatNumber(std::ceil(static_cast<double>(e.size) / 1024.0), 0, 0, ItalianFormat())) +
                   QStringLiteral(" KB");
        case ColType: return TypeText(e);
        case ColDate: return ToQ(FormatDateTime("dd/mm/yyyy hh:nn", e.modified, ItalianFormat()));
        }
        break;
    case Qt::DecorationRole:
        if (index.column() == ColName)
            return RowIcon(index.row());
        break;
    case Qt::TextAlignmentRole:
        if (index.column() == ColSize)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        break;
    }
    return {};
}

Qt::ItemFlags ShellListModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == ColName && index.row() == editableRow_)
        f |= Qt::ItemIsEditable;
    return f;
}

bool ShellListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() != editableRow_)
        return false;
    editableRow_ = -1;
    emit renameRequested(index.row(), value.toString());
    return true;
}

void ShellListModel::SetEntries(std::vector<FolderEntry> entries, bool keepStates)
{
    std::unordered_map<std::string, int> old;
    if (keepStates)
        for (std::size_t i = 0; i < entries_.size(); ++i)
            if (states_[i] >= 0)
                old.emplace(entries_[i].name, states_[i]);
    beginResetModel();
    entries_ = std::move(entries);
    states_.assign(entries_.size(), -1);
    for (std::size_t i = 0; i < entries_.size() && !old.empty(); ++i) {
        auto it = old.find(entries_[i].name);
        if (it != old.end())
            states_[i] = it->second;
    }
    editableRow_ = -1;
    endResetModel();
}

int ShellListModel::RowOf(const std::string& name) const
{
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].name == name)
            return static_cast<int>(i);
    return -1;
}

void ShellListModel::SetStateImage(int row, int image)
{
    auto& s = states_.at(static_cast<std::size_t>(row));
    if (s == image)
        return;
    s = image;
    QModelIndex i = index(row, ColName);
    emit dataChanged(i, i, {Qt::DecorationRole});
}

void ShellListModel::SetStateIcons(QList<QIcon> icons)
{
    stateIcons_ = std::move(icons);
    iconCache_.clear();
}

// ---------------------------------------------------------------- list

ShellList::ShellList(QWidget* parent) : QTreeView(parent)
{
    setModel(&model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(false);
    header()->resizeSection(ShellListModel::ColName, 220);
    header()->resizeSection(ShellListModel::ColSize, 95);
    header()->resizeSection(ShellListModel::ColType, 100);
    header()->resizeSection(ShellListModel::ColDate, 120);
    // The selection stays as visible when the list loses the focus.
    QPalette pal = palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& sel, const QItemSelection& desel) {
                for (const auto& r : desel)
                    for (int row = r.top(); row <= r.bottom(); ++row)
                        if (r.left() == 0)
                            emit SelectItem(row, false);
                for (const auto& r : sel)
                    for (int row = r.top(); row <= r.bottom(); ++row)
                        if (r.left() == 0)
                            emit SelectItem(row, true);
            });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& i) { OpenRow(i.row()); });
    connect(&model_, &ShellListModel::renameRequested, this, &ShellList::OnRenameRequested);

    // Changes on disk reach the list by themselves, a moment after they
    // happen, so a copy that writes many files does not refill it each time.
    refreshTimer_.setSingleShot(true);
    refreshTimer_.setInterval(150);
    connect(&refreshTimer_, &QTimer::timeout, this, &ShellList::Refresh);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { refreshTimer_.start(); });
}

int ShellList::RowCount() const { return model_.rowCount(); }
std::string ShellList::Caption(int row) const { return model_.Entry(row).name; }
bool ShellList::Selected(int row) const { return selectionModel()->isRowSelected(row, {}); }
void ShellList::SetSelected(int row, bool s)
{
    if (Selected(row) == s)
        return;
    selectionModel()->select(model_.index(row, 0), (s ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                                                       QItemSelectionModel::Rows);
}
int ShellList::StateImage(int row) const { return model_.StateImage(row); }
void ShellList::SetStateImage(int row, int image) { model_.SetStateImage(row, image); }
bool ShellList::IsFolderRow(int row) const { return model_.Entry(row).isFolder; }

void ShellList::Fill(std::vector<FolderEntry> entries, bool keepState)
{
    std::vector<std::string> selectedNames;
    if (keepState)
        for (int i = 0; i < RowCount(); ++i)
            if (Selected(i))
                selectedNames.push_back(Caption(i));
    model_.SetEntries(std::move(entries), keepState);
    for (const auto& n : selectedNames) {
        int row = model_.RowOf(n);
        if (row >= 0)
            SetSelected(row, true);
    }
    emit FillComplete();
}

void ShellList::SetFolder(const std::string& path)
{
    std::string folder = NormalizeFolderPath(path);
    auto entries = ListFolder(folder); // throws before anything changes
    if (!watcher_.directories().isEmpty())
        watcher_.removePaths(watcher_.directories());
    folder_ = folder;
    watcher_.addPath(PathToQ(folder_));
    Fill(std::move(entries), false);
    scrollToTop();
    emit FolderChanged(PathToQ(folder_));
}

void ShellList::Refresh()
{
    if (folder_.empty())
        return;
    try {
        Fill(ListFolder(folder_), true);
    } catch (const PlatformError&) {
        // The folder shown has gone: show the nearest folder that is left.
        std::string up = folder_;
        while (up != "/") {
            auto pos = up.rfind('/');
            up = pos == 0 ? "/" : up.substr(0, pos);
            if (DirectoryExists(up)) {
                OpenFolder(up);
                return;
            }
        }
    }
}

bool ShellList::OpenFolder(const std::string& path)
{
    if (!ui_) {
        try {
            SetFolder(path);
            return true;
        } catch (const PlatformError&) {
            QApplication::beep();
            return false;
        }
    }
    return RunGuarded(*ui_, [&] { SetFolder(path); });
}

void ShellList::GoUp(int levels)
{
    std::string up = folder_;
    for (int i = 0; i < levels && up != "/"; ++i) {
        auto pos = up.rfind('/');
        up = pos == 0 ? "/" : up.substr(0, pos);
    }
    if (up != folder_)
        SetFolder(up);
}

void ShellList::OpenRow(int row)
{
    if (row < 0 || row >= RowCount())
        return;
    if (IsFolderRow(row)) {
        OpenFolder((folder_ == "/" ? "" : folder_) + "/" + Caption(row));
        return;
    }
    bool handled = false;
    emit DblClickOpen(row, handled);
}

void ShellList::keyPressEvent(QKeyEvent* e)
{
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && state() != EditingState) {
        QModelIndex cur = currentIndex();
        if (cur.isValid()) {
            OpenRow(cur.row());
            return;
        }
    }
    if (e->key() == Qt::Key_Backspace && state() != EditingState) {
        if (folder_ != "/")
            OpenFolder(ExtractFilePath(folder_));
        return;
    }
    QTreeView::keyPressEvent(e);
}

bool ShellList::CreateNewFolder(bool editName)
{
    if (folder_.empty())
        return false;
    const std::string base = "Nuova cartella";
    std::string prefix = (folder_ == "/" ? "" : folder_) + "/";
    std::string name = base;
    int err = 0;
    for (int n = 2; n < 1000; ++n) {
        err = MakeFolder(prefix + name);
        if (err != EEXIST)
            break;
        name = base + " (" + std::to_string(n) + ")";
    }
    if (err != 0)
        return false;
    Refresh();
    int row = model_.RowOf(name);
    if (row < 0)
        return false;
    clearSelection();
    SetSelected(row, true);
    QModelIndex idx = model_.index(row, ShellListModel::ColName);
    setCurrentIndex(idx);
    scrollTo(idx);
    if (editName) {
        model_.SetEditableRow(row);
        edit(idx);
    }
    return true;
}

void ShellList::OnRenameRequested(int row, const QString& newName)
{
    std::string oldName = Caption(row);
    std::string name = PathFromQ(newName);
    if (name == oldName || name.empty())
        return;
    if (name.find('/') != std::string::npos || name == "." || name == "..") {
        ReportError("Nome non valido: " + FromQ(newName));
        return;
    }
    std::string prefix = (folder_ == "/" ? "" : folder_) + "/";
    int err = RenameNoReplace(prefix + oldName, prefix + name);
    if (err != 0) {
        ReportError("Impossibile rinominare \"" + FromQ(PathToQ(oldName)) + "\": " +
                    (err == EEXIST ? std::string("esiste già un file o una cartella con questo nome")
                                   : SystemErrorText(err)));
        return;
    }
    Refresh();
    int r = model_.RowOf(name);
    if (r >= 0) {
        clearSelection();
        SetSelected(r, true);
        setCurrentIndex(model_.index(r, 0));
    }
}

void ShellList::ReportError(const std::string& text)
{
    if (ui_)
        ui_->ShowError(text);
}

// ---------------------------------------------------------------- tree

ShellTree::ShellTree(QWidget* parent) : QTreeView(parent)
{
    fsModel_.setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::Drives);
    fsModel_.setRootPath(QStringLiteral("/"));
    fsModel_.setReadOnly(true);
    setModel(&fsModel_);
    for (int c = 1; c < fsModel_.columnCount(); ++c)
        hideColumn(c);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& cur) { OnCurrentChanged(cur); });
}

void ShellTree::SetShellList(ShellList* list)
{
    list_ = list;
    connect(list_, &ShellList::FolderChanged, this, &ShellTree::ShowPath);
    if (!list_->FolderPath().empty())
        ShowPath(PathToQ(list_->FolderPath()));
}

void ShellTree::ShowPath(const QString& path)
{
    QModelIndex idx = fsModel_.index(path);
    if (!idx.isValid())
        return;
    syncing_ = true;
    setCurrentIndex(idx);
    expand(idx);
    scrollTo(idx);
    syncing_ = false;
}

void ShellTree::OnCurrentChanged(const QModelIndex& index)
{
    if (syncing_ || !list_ || !index.isValid())
        return;
    std::string path = PathFromQ(fsModel_.filePath(index));
    if (path == list_->FolderPath())
        return;
    list_->OpenFolder(path);
}

// ---------------------------------------------------------------- dialog

std::function<bool(const std::string&, std::string&)> FolderBrowseDialog::testHook;

FolderBrowseDialog::FolderBrowseDialog(QWidget* parent, QString title) : parent_(parent), title_(std::move(title)) {}

bool FolderBrowseDialog::Execute()
{
    std::string chosen;
    if (testHook) {
        if (!testHook(folder_, chosen))
            return false;
    } else {
        QFileDialog dlg(parent_, title_, PathToQ(folder_));
        dlg.setFileMode(QFileDialog::Directory);
        dlg.setOption(QFileDialog::ShowDirsOnly, true);
        dlg.setOption(QFileDialog::DontUseNativeDialog, true);
        dlg.setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
            return false;
        chosen = PathFromQ(dlg.selectedFiles().constFirst());
    }
    selected_ = NormalizeFolderPath(chosen);
    return true;
}

} // namespace vt
