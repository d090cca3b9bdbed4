#pragma once
// How the logic sees the main file list: its rows (caption, selected flag,
// state image) and the folder it shows. The Qt list implements it, the CLI
// over a folder listing (FolderRows), the tests over a vector (VectorRows).
#include <string>
#include <vector>

#include "platform/Files.h"

namespace vt {

class ShellRows {
public:
    virtual ~ShellRows() = default;
    virtual int RowCount() const = 0;
    virtual std::string Caption(int row) const = 0;
    virtual bool Selected(int row) const = 0;
    virtual void SetSelected(int row, bool selected) = 0;
    // State image of the row, -1 for none.
    virtual int StateImage(int row) const = 0;
    virtual void SetStateImage(int row, int image) = 0;
    // Absolute path of the folder shown; a trailing "/" only for "/" itself.
    virtual std::string FolderPath() const = 0;

    // Index of the first selected row, -1 when none is.
    int FirstSelected() const
    {
        for (int i = 0; i < RowCount(); ++i)
            if (Selected(i))
                return i;
        return -1;
    }
    int SelectedCount() const
    {
        int n = 0;
        for (int i = 0; i < RowCount(); ++i)
            n += Selected(i);
        return n;
    }
};

// Rows held in memory.
class VectorRows : public ShellRows {
public:
    struct Row {
        std::string caption;
        bool selected = false;
        int stateImage = -1;
    };

    VectorRows() = default;
    VectorRows(std::string folder, std::vector<Row> rows) : folder_(std::move(folder)), rows_(std::move(rows)) {}

    int RowCount() const override { return static_cast<int>(rows_.size()); }
    std::string Caption(int row) const override { return rows_.at(static_cast<std::size_t>(row)).caption; }
    bool Selected(int row) const override { return rows_.at(static_cast<std::size_t>(row)).selected; }
    void SetSelected(int row, bool s) override { rows_.at(static_cast<std::size_t>(row)).selected = s; }
    int StateImage(int row) const override { return rows_.at(static_cast<std::size_t>(row)).stateImage; }
    void SetStateImage(int row, int image) override { rows_.at(static_cast<std::size_t>(row)).stateImage = image; }
    std::string FolderPath() const override { return folder_; }

    std::vector<Row>& rows() { return rows_; }

protected:
    std::string folder_;
    std::vector<Row> rows_;
};

// The rows of a real folder, in the shell list's order, for the CLI.
class FolderRows : public VectorRows {
public:
    // Throws PlatformError when the folder cannot be read.
    explicit FolderRows(const std::string& folder);
    const std::vector<FolderEntry>& entries() const { return entries_; }

private:
    std::vector<FolderEntry> entries_;
};

// "/a/b/" and "/a/b" give "/a/b"; "/" stays "/". Relative paths are made
// absolute against the working folder, without resolving links.
std::string NormalizeFolderPath(const std::string& path);

} // namespace vt
