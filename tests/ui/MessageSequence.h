#pragma once
// Message-sequence checking in the manner of Wine's user32 tests: windows of
// the recording class note every message they receive (sent or posted, and
// whether it came while their default procedure was running); the CBT hook
// notes its calls; a test performs one action and compares the record with a
// table of expected messages. Order, parameters and absence all count.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Hooks.h"
#include "ui/Messages.h"

namespace uitest {

enum : unsigned {
    sent = 0x1,
    posted = 0x2,
    wparam = 0x4,  // compare WParam
    lparam = 0x8,  // compare LParam
    defwinproc = 0x10,
    hook = 0x20,      // a call of the CBT hook; Message is the HCBT_ code
    optional = 0x40,  // may be missing
};

struct TExpected {
    ui::UINT Message = 0;
    unsigned Flags = 0;
    ui::WPARAM WParam = 0;
    ui::LPARAM LParam = 0;
    ui::HWND Window = nullptr;  // null: any window
};

struct TSeen {
    ui::HWND Window = nullptr;
    ui::UINT Message = 0;
    unsigned Flags = 0;
    ui::WPARAM WParam = 0;
    ui::LPARAM LParam = 0;
};

// Everything the recording windows and the hook saw since the last Clear.
class TRecorder {
public:
    static TRecorder& Get();
    void Add(const TSeen& seen) { FSeen.push_back(seen); }
    void Clear() { FSeen.clear(); }
    const std::vector<TSeen>& Seen() const { return FSeen; }
    // Messages of these numbers are not recorded (noise a test does not check).
    void Ignore(std::vector<ui::UINT> messages) { FIgnored = std::move(messages); }
    bool Ignored(ui::UINT message) const;
    int DefWindowProcDepth = 0;

private:
    std::vector<TSeen> FSeen;
    std::vector<ui::UINT> FIgnored;
};

// The class "RecordingWindow" (CS_DBLCLKS, white background): records, then
// passes everything to DefWindowProc.
const char* RecordingClass();
ui::LRESULT RecordingProc(ui::HWND hwnd, ui::UINT msg, ui::WPARAM wParam, ui::LPARAM lParam);
// Records the CBT hook's calls as long as it is installed.
ui::HHOOK InstallRecordingHook();

std::string MessageName(ui::UINT message, bool isHook);
// Compares the record with the table, describing both when they differ;
// then clears the record.
::testing::AssertionResult Sequence(const std::vector<TExpected>& expected, const char* situation);

// A headless desktop, a fresh record and the recording hook per test; windows
// and hooks left behind are removed afterwards.
class TWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // A recording window; style WS_OVERLAPPEDWINDOW by default.
    ui::HWND Make(const char* title, int x, int y, int width, int height, ui::DWORD style = 0x00CF0000,
                  ui::DWORD exStyle = 0, ui::HWND parent = nullptr, ui::UINT_PTR id = 0);
    ui::HHOOK FHook = nullptr;
};

}  // namespace uitest
