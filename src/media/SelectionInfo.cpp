#include "media/SelectionInfo.h"

#include <sys/stat.h>

#include "archive/TitleKey.h"
#include "media/AviHeader.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "rename/NameTransforms.h"
#include "selection/CopyList.h"

namespace vt {

std::string AviInfoText(ProgramState& state, const std::string& folder, const std::string& caption)
{
    const std::string path = folder + PathDelim + caption;
    if (UpperAscii(FileExtOf(path)) != ".AVI")
        return kNotAviText;
    ReadAviHeader(path, state.AviHeader);
    return SmartTitleKey(caption) + " : W = " + std::to_string(state.AviHeader.Width()) +
           "  H = " + std::to_string(state.AviHeader.Height());
}

SelectionInfo ComputeSelectionInfo(ProgramState& state, const ShellRows& rows, const std::string& itemCaption,
                                   bool selected, const FormatSettings& fs)
{
    SelectionInfo info;
    if (!selected) {
        info.sbRenEnabled = false;
        info.previewEnabled = false;
        return info;
    }
    // A list that shows no folder of the file system has no files to find:
    // its rows are counted with no size (and "/" + caption must not reach
    // the root folder by chance).
    const std::string folder = rows.FolderPath();
    int n = 0;
    std::int64_t total = 0;
    for (int i = 0; i < rows.RowCount(); ++i) {
        if (!rows.Selected(i))
            continue;
        ++n;
        const std::string caption = rows.Caption(i);
        const std::string path = folder + PathDelim + caption;
        struct stat st {};
        if (!folder.empty() && (stat(path.c_str(), &st) == 0 || lstat(path.c_str(), &st) == 0) &&
            S_ISREG(st.st_mode))
            total += static_cast<std::int64_t>(st.st_size);
        try {
            if (folder.empty() && UpperAscii(FileExtOf(path)) == ".AVI")
                throw PlatformError("File not found");
            info.label4 = AviInfoText(state, folder, caption);
        } catch (const PlatformError& e) {
            info.error = e.what();
            return info;
        }
    }
    info.lbNumSel = std::to_string(n);
    info.lbDimSel = FormatSize(total, fs);
    info.sbRenEnabled = n == 1;
    const std::string ext = LowerAscii(FileExtOf(itemCaption));
    if (ext == ".avi" || ext == ".wmv" || ext == ".mpg")
        info.previewEnabled = n == 1;
    return info;
}

} // namespace vt
