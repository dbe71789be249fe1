#pragma once
// "set.txt" and "done.txt" beside the executable: the saved output folder,
// window position and open-file option, and the first-run marker.
#include <string>

namespace app {

// Where the lines of "set.txt" go. Each takes effect as soon as it is read,
// so that a file that breaks off halfway keeps what came before the break.
class TSettingsTarget {
public:
    virtual ~TSettingsTarget() = default;
    virtual void SetOutputFolder(const std::string& folder) = 0;
    virtual void SetWindowTop(int top) = 0;
    virtual void SetWindowLeft(int left) = 0;
    virtual void SetOpenFile(bool open) = 0;
};

// Reads the four lines in order. A missing line raises EListError with its
// zero-based number; a top or left that is not an integer raises
// EConvertError. The option is on exactly when line 4 is "1".
void ReadSettingsFile(const std::string& path, TSettingsTarget& target);

// Four lines, each ended by CR LF, over any earlier file. Raises EFCreateError
// when the file cannot be written.
void WriteSettingsFile(const std::string& path, const std::string& folder, int top, int left, bool openFile);

// "Done" and CR LF; only its existence counts.
void WriteDoneMarker(const std::string& path);

}  // namespace app
