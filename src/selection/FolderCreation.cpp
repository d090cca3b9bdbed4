#include "selection/FolderCreation.h"

#include "platform/Files.h"

namespace vt {

void ReportNewFolder(bool created, UiServices& ui)
{
    if (!created)
        ui.ShowError(kNewFolderFailedText);
}

std::string DateFolderName(DateTime today)
{
    return FormatDateTime("yyyy-mm-dd", today, ItalianFormat());
}

DateFolderResult CreateDateFolder(const std::string& folder, DateTime today, UiServices& ui)
{
    // The shell list always shows a folder of the file system; an empty
    // path would turn into the root folder, which is not what was shown.
    if (folder.empty()) {
        ui.ShowError(kFolderCreateErrorText);
        return DateFolderResult::Failed;
    }
    std::string path = folder;
    if (path.back() != PathDelim)
        path += PathDelim;
    path += DateFolderName(today);
    if (DirectoryExists(path)) {
        ui.ShowWarning(kFolderExistsText);
        return DateFolderResult::AlreadyExists;
    }
    if (MakeFolder(path) != 0) {
        ui.ShowError(kFolderCreateErrorText);
        return DateFolderResult::Failed;
    }
    return DateFolderResult::Created;
}

} // namespace vt
