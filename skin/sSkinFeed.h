#pragma once
// The live skin feed: a skin editor pushes an options text to the running
// program, which loads it at once in place of the current skin's own.
//
// The program announces the window that takes feeds to the editor's window
// (titled SkinEditorTitle) with SKIN_EDITOR_MESSAGE, WParam
// SkinFeedAnnounceCode and the window in LParam, until the editor answers 1.
// A feed is WM_COPYDATA to that window, WParam SkinFeedCopyDataCode, with a
// block of fixed layout:
//   offset 0    4 bytes      magic 0xA400, little-endian
//   offset 4    128 bytes    skin name, zero-terminated
//   offset 132  513 bytes    skin directory, zero-terminated
//   offset 645  30,001 bytes options text, zero-terminated
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/Types.h"

namespace skin {

inline constexpr ui::UINT SKIN_EDITOR_MESSAGE = 0xA400;
inline constexpr ui::WPARAM SkinFeedAnnounceCode = 3;
inline constexpr ui::WPARAM SkinFeedCopyDataCode = 7;
inline constexpr const char* SkinEditorTitle = "Quillmarks Editor";

inline constexpr uint32_t SkinFeedMagic = 0xA400;
inline constexpr size_t SkinFeedNameSize = 128;
inline constexpr size_t SkinFeedDirectorySize = 513;
inline constexpr size_t SkinFeedOptionsSize = 30001;
inline constexpr size_t SkinFeedBlockSize = 4 + SkinFeedNameSize + SkinFeedDirectorySize + SkinFeedOptionsSize;

struct TacSkinFeed {
    std::string SkinName;
    std::string SkinDirectory;
    std::string Options;
};

// Texts longer than their field are cut to fit, terminator included.
std::string EncodeSkinFeed(const TacSkinFeed& feed);
// False for a block of another magic or shorter than the layout. A field
// without a terminator ends with its space.
bool DecodeSkinFeed(std::string_view block, TacSkinFeed& feed);

// Tells the editor, while a window of its title exists, which window takes
// feeds: at most 101 times, until it answers 1.
void AnnounceSkinFeedTarget(ui::HWND target);

}  // namespace skin
