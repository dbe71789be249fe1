#include "skinfeed/TSkinFeedEditor.h"

#include "ui/DefWindowProc.h"
#include "ui/MessageLoop.h"
#include "ui/Messages.h"
#include "ui/Styles.h"
#include "ui/Window.h"
#include "ui/WindowClass.h"

namespace skinfeed {

namespace {

constexpr const char* EditorClassName = "TQuillmarksEditor";

}  // namespace

TSkinFeedEditor::TSkinFeedEditor() {
    ui::TWndClass wc;
    if (!ui::GetClassInfo(EditorClassName, wc)) {
        wc.ClassName = EditorClassName;
        wc.WndProc = ui::DefWindowProc;
        ui::RegisterClass(wc);
    }
    FHandle = ui::CreateWindowEx(0, EditorClassName, skin::SkinEditorTitle, ui::WS_POPUP, 0, 0, 0, 0, nullptr, 0);
    if (FHandle) ui::SetWindowProc(FHandle, ui::TWndProc::Method<TSkinFeedEditor, &TSkinFeedEditor::WndProc>(this));
}

TSkinFeedEditor::~TSkinFeedEditor() {
    if (FHandle) ui::DestroyWindow(FHandle);
}

ui::LRESULT TSkinFeedEditor::WndProc(ui::HWND hwnd, ui::UINT msg, ui::WPARAM wParam, ui::LPARAM lParam) {
    if (msg == skin::SKIN_EDITOR_MESSAGE && wParam == skin::SkinFeedAnnounceCode) {
        FTarget = reinterpret_cast<ui::HWND>(lParam);
        return 1;
    }
    return ui::DefWindowProc(hwnd, msg, wParam, lParam);
}

ui::LRESULT TSkinFeedEditor::Send(const skin::TacSkinFeed& feed) const {
    if (!FTarget) return 0;
    const std::string block = skin::EncodeSkinFeed(feed);
    ui::TCopyDataStruct data;
    data.Size = ui::DWORD(block.size());
    data.Bytes = block.data();
    return ui::SendMessage(FTarget, ui::WM_COPYDATA, skin::SkinFeedCopyDataCode, reinterpret_cast<ui::LPARAM>(&data));
}

}  // namespace skinfeed
