#include "skin/sSkinFeed.h"

#include "ui/CopyData.h"
#include "ui/MessageLoop.h"

namespace skin {

namespace {

constexpr size_t NameOffset = 4;
constexpr size_t DirectoryOffset = NameOffset + SkinFeedNameSize;
constexpr size_t OptionsOffset = DirectoryOffset + SkinFeedDirectorySize;
constexpr int AnnounceAttempts = 101;

void PutField(std::string& block, size_t offset, size_t size, std::string_view text) {
    text = text.substr(0, size - 1);
    block.replace(offset, text.size(), text);
}

std::string GetField(std::string_view block, size_t offset, size_t size) {
    const std::string_view field = block.substr(offset, size);
    return std::string(field.substr(0, field.find('\0')));
}

}  // namespace

std::string EncodeSkinFeed(const TacSkinFeed& feed) {
    std::string block(SkinFeedBlockSize, '\0');
    for (int i = 0; i < 4; ++i) block[size_t(i)] = char(SkinFeedMagic >> (8 * i));
    PutField(block, NameOffset, SkinFeedNameSize, feed.SkinName);
    PutField(block, DirectoryOffset, SkinFeedDirectorySize, feed.SkinDirectory);
    PutField(block, OptionsOffset, SkinFeedOptionsSize, feed.Options);
    return block;
}

bool DecodeSkinFeed(std::string_view block, TacSkinFeed& feed) {
    if (block.size() < SkinFeedBlockSize) return false;
    uint32_t magic = 0;
    for (int i = 3; i >= 0; --i) magic = magic << 8 | uint8_t(block[size_t(i)]);
    if (magic != SkinFeedMagic) return false;
    feed.SkinName = GetField(block, NameOffset, SkinFeedNameSize);
    feed.SkinDirectory = GetField(block, DirectoryOffset, SkinFeedDirectorySize);
    feed.Options = GetField(block, OptionsOffset, SkinFeedOptionsSize);
    return true;
}

void AnnounceSkinFeedTarget(ui::HWND target) {
    for (int attempt = 0; attempt < AnnounceAttempts; ++attempt) {
        // The editor is a program of its own: its window is looked for among
        // every process of the user, ours first.
        const ui::HWND editor = ui::FindWindow("", SkinEditorTitle);
        if (!editor || ui::SendMessage(editor, SKIN_EDITOR_MESSAGE, SkinFeedAnnounceCode,
                                       reinterpret_cast<ui::LPARAM>(target)) == 1)
            return;
    }
}

}  // namespace skin
