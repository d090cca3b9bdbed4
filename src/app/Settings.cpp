#include "app/Settings.h"

#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/TextCodec.h"

namespace vt {

namespace {
const char* OnOff(bool on, const char* yes, const char* no) { return on ? yes : no; }
} // namespace

std::vector<std::string> FormatSettingsLines(const SettingsValues& v, const FormatSettings& fs)
{
    return {
        v.player,
        OnOff(v.verifInFile, "Verif_Files_Sel_ON", "Verif_Files_Sel_OFF"),
        OnOff(v.verifInDest, "Verif_Dest_Sel_ON", "Verif_Dest_Sel_OFF"),
        OnOff(v.overwrite, "OverWrite", "SkipFileOnDest"),
        FloatToStr(v.minMb, fs),
        OnOff(v.fileByFile, "FileByFile", "AllList"),
        OnOff(v.vocal, "Vocal_ON", "Vocal_OFF"),
        v.archiveFolder,
        std::to_string(v.checkType),
        OnOff(v.testDate, "TestDataFile_SI", "TestDataFile_NO"),
        OnOff(v.testSize, "TestDimFile_SI", "TestDimFile_NO"),
        OnOff(v.testResolution, "TestRis_SI", "TestRis_NO"),
    };
}

std::string FormatSettingsFile(const SettingsValues& v, const FormatSettings& fs)
{
    std::string out;
    for (const auto& line : FormatSettingsLines(v, fs))
        out += line + "\r\n";
    return out;
}

SettingsReadResult ParseSettingsLines(const std::vector<std::string>& lines, const SettingsValues& current,
                                      const FormatSettings& fs)
{
    SettingsReadResult r;
    r.values = current;
    SettingsValues& v = r.values;
    for (int n = 1; n <= kSettingsLines; ++n) {
        const std::string empty;
        const std::string& line = static_cast<std::size_t>(n) <= lines.size() ? lines[static_cast<std::size_t>(n - 1)] : empty;
        try {
            switch (n) {
            case 1: v.player = line; break;
            case 2: v.verifInFile = line == "Verif_Files_Sel_ON"; break;
            case 3: v.verifInDest = line == "Verif_Dest_Sel_ON"; break;
            case 4: v.overwrite = line == "OverWrite"; break;
            case 5: v.minMb = StrToFloat(line, fs); break;
            case 6:
                // "FileByFile" checks the file-by-file mode; any other word
                // unchecks the list mode, which leaves file-by-file checked.
                v.fileByFile = true;
                break;
            case 7: v.vocal = line == "Vocal_ON"; break;
            case 8: v.archiveFolder = line; break;
            case 9: {
                int index = StrToInt(line);
                v.checkType = (index >= 0 && index < kCheckTypeItems) ? index : -1;
                break;
            }
            case 10: v.testDate = line == "TestDataFile_SI"; break;
            case 11: v.testSize = line == "TestDimFile_SI"; break;
            case 12: v.testResolution = line == "TestRis_SI"; break;
            }
        } catch (const PlatformError& e) {
            r.error = e.what();
            return r;
        }
        r.linesApplied = n;
    }
    return r;
}

SettingsReadResult ReadSettingsFile(const std::string& path, const SettingsValues& current, const FormatSettings& fs)
{
    std::string text = DecodeLegacyText(ReadWholeFile(path));
    return ParseSettingsLines(SplitTextLines(text), current, fs);
}

void WriteSettingsFile(const std::string& path, const SettingsValues& v, const FormatSettings& fs)
{
    WriteFileAtomic(path, FormatSettingsFile(v, fs));
}

} // namespace vt
