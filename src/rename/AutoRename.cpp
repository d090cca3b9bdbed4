#include "rename/AutoRename.h"

#include "rename/NameTransforms.h"
#include "rename/RenameTools.h"

namespace vt {

std::vector<TRenameRow> RenameRowsOf(const ShellRows& shell)
{
    std::vector<TRenameRow> rows;
    for (int i = 0; i < shell.RowCount(); ++i) {
        std::string caption = shell.Caption(i);
        NameExt parts = SplitNameExt(caption);
        if (LowerAscii(parts.ext) != ".avi")
            continue;
        TRenameRow row;
        row.NewTitle = parts.name;
        row.OldTitle = parts.name;
        row.FileName = std::move(caption);
        rows.push_back(std::move(row));
    }
    return rows;
}

void ApplyAutoFunctions(std::vector<TRenameRow>& rows, const AutoOptions& o)
{
    for (auto& row : rows) {
        if (row.Ticked)
            continue;
        std::string text = o.dotsToBlanks ? DotsToSpaces(row.OldTitle) : row.OldTitle;
        switch (o.letterCase) {
        case TitleCase::AsIs: break;
        case TitleCase::FirstUpper: text = FirstUpper(text); break;
        case TitleCase::Upper: text = UpperAscii(text); break;
        case TitleCase::Lower: text = LowerAscii(text); break;
        }
        // Any "DVD" of the old title counts ("dvdrip" too); a marker already
        // in the text is not looked for.
        if (o.markDvd && UpperAscii(row.OldTitle).find("DVD") != std::string::npos) {
            row.DVDMark = "DVD";
            if (o.dvdMarking == DvdMarking::Capitals)
                text = UpperAscii(text);
            else
                text += MarkDVD;
        } else {
            row.DVDMark.clear();
        }
        row.CDMark.clear();
        if (o.markCd) {
            int n = CDNumber(text);
            if (n == 1 || n == 2) {
                std::string_view marker = n == 1 ? MarkCD1 : MarkCD2;
                // The title part ends before the CD number, so a " [DVD]"
                // appended above is dropped with it.
                text = CDTitlePart(text) + std::string(marker);
                row.CDMark = marker;
            }
        }
        row.NewTitle = std::move(text);
    }
}

void ComposeFromSelection(TRenameRow& row, const std::string& selected, const AutoOptions& o)
{
    std::string text = selected;
    if (o.markDvd && !row.DVDMark.empty()) {
        if (o.dvdMarking == DvdMarking::Capitals)
            text = UpperAscii(text);
        else
            text += MarkDVD;
    }
    // The mark as it stands: " - CD1" from the automatic pass, "CD1" from a button.
    if (o.markCd && !row.CDMark.empty())
        text += row.CDMark;
    row.NewTitle = std::move(text);
    row.Ticked = true;
}

std::string ApplyMarkButton(TRenameRow& row, MarkButton button, DvdMarking dvdMarking)
{
    switch (button) {
    case MarkButton::CD1Add:
    case MarkButton::CD2Add:
        if (!row.CDMark.empty())
            return std::string(kCDMarkPresentText);
        row.CDMark = button == MarkButton::CD1Add ? "CD1" : "CD2";
        row.NewTitle += button == MarkButton::CD1Add ? MarkCD1 : MarkCD2;
        return {};
    case MarkButton::CDCut:
        if (row.CDMark.empty())
            return std::string(kCDMarkAbsentText);
        row.CDMark.clear();
        return {};
    case MarkButton::DVDAdd:
        if (!row.DVDMark.empty())
            return std::string(kDVDMarkPresentText);
        row.DVDMark = "DVD";
        if (dvdMarking == DvdMarking::Capitals)
            row.NewTitle = UpperAscii(row.NewTitle);
        else
            row.NewTitle += MarkDVD;
        return {};
    case MarkButton::DVDCut:
        if (row.DVDMark.empty())
            return std::string(kDVDMarkAbsentText);
        row.DVDMark.clear();
        return {};
    }
    return {};
}

void ChangeTicks(std::vector<TRenameRow>& rows, TickChange change)
{
    for (auto& row : rows)
        row.Ticked = change == TickChange::All ? true : change == TickChange::None ? false : !row.Ticked;
}

RenamePassResult RenameTickedRows(std::vector<TRenameRow>& rows, const std::string& folder)
{
    RenamePassResult r;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        TRenameRow& row = rows[i];
        if (!row.Ticked)
            continue;
        ++r.attempts;
        if (RenameInFolder(folder, row.FileName, row.NewFileName()) == 0) {
            row.Ticked = false;
            ++r.succeeded;
        } else {
            r.failedRows.push_back(static_cast<int>(i));
        }
    }
    return r;
}

std::string RenameFailedMessage(int failed)
{
    return "ERRORE ! : " + std::to_string(failed) + " files NON rinominati !\r   (rimasti spuntati nella lista";
}

} // namespace vt
