#include "app/SettingsFile.h"

#include "rtl/IntConvert.h"
#include "rtl/TStringList.h"

namespace app {

void ReadSettingsFile(const std::string& path, TSettingsTarget& target) {
    rtl::TStringList lines;
    lines.LoadFromFile(path);
    target.SetOutputFolder(lines[0]);
    target.SetWindowTop(rtl::StrToInt(lines[1]));
    target.SetWindowLeft(rtl::StrToInt(lines[2]));
    target.SetOpenFile(lines[3] == "1");
}

void WriteSettingsFile(const std::string& path, const std::string& folder, int top, int left, bool openFile) {
    rtl::TStringList lines;
    lines.Add(folder);
    lines.Add(rtl::IntToStr(top));
    lines.Add(rtl::IntToStr(left));
    lines.Add(openFile ? "1" : "0");
    lines.SaveToFile(path);
}

void WriteDoneMarker(const std::string& path) {
    rtl::TStringList lines;
    lines.Add("Done");
    lines.SaveToFile(path);
}

}  // namespace app
