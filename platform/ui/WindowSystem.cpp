#include "ui/WindowSystem.h"

#include <unistd.h>

#include "rtl/TThread.h"
#include "ui/DefWindowProc.h"
#include "ui/Menu.h"
#include "ui/Styles.h"

namespace ui {

static_assert(sizeof(void*) == 8, "window handles carry the process id in their upper half");

namespace {
const uintptr_t OwnPid = uintptr_t(getpid());
}  // namespace

TWindowSystem& TWindowSystem::Get() {
    static TWindowSystem* system = new TWindowSystem;  // lives as long as the process
    return *system;
}

TWindowSystem::TWindowSystem() {
    RegisterPredefinedClasses();
    // A hand-over from another thread ends the loop's wait at once.
    rtl::SetWakeMainThread([this] { Queue.Wake(); });
}

void TWindowSystem::RegisterPredefinedClasses() {
    TWndClass menu;
    menu.ClassName = MenuClassName;
    menu.Style = CS_SAVEBITS | CS_DBLCLKS;
    menu.WndProc = MenuWindowProc;
    menu.Background = gfx::clMenu;
    TWndClass dialog;
    dialog.ClassName = DialogClassName;
    dialog.Style = CS_DBLCLKS | CS_SAVEBITS;
    dialog.WndProc = DefDlgProc;
    dialog.WndExtra = 3;
    dialog.Background = gfx::clBtnFace;
    for (auto [wc, atom] : {std::pair{menu, MENU_CLASS_ATOM}, std::pair{dialog, DIALOG_CLASS_ATOM}}) {
        auto record = std::make_unique<TClassRecord>();
        record->Info = wc;
        record->Atom = atom;
        Classes[wc.ClassName] = std::move(record);
    }
}

TBackend& TWindowSystem::Backend() {
    if (!FBackend) FBackend = MakeBackend(DefaultBackendName());
    return *FBackend;
}

bool TWindowSystem::SetBackend(std::unique_ptr<TBackend> backend) {
    if (!Windows.empty()) return false;
    FBackend = std::move(backend);
    return true;
}

void TWindowSystem::Reset() {
    for (HWND h : TopLevels)
        if (FBackend) FBackend->Destroyed(h);
    Windows.clear();
    TopLevels.clear();
    Active = Focus = nullptr;
    AppActive = false;
    Mouse = TMouseState{};
    std::fill(std::begin(KeyState), std::end(KeyState), 0);
    AltAlone = false;
    RawInput.clear();
    Queue.Clear();
    Timers.Clear();
    CreateCount = 0;
}

TWindow* TWindowSystem::Find(HWND hwnd) const {
    const auto it = Windows.find(reinterpret_cast<uintptr_t>(hwnd));
    return it == Windows.end() ? nullptr : it->second.get();
}

HWND TWindowSystem::NewHandle() { return reinterpret_cast<HWND>(OwnPid << 32 | ++FSerial); }

bool TWindowSystem::IsRemote(HWND hwnd) {
    const uintptr_t v = reinterpret_cast<uintptr_t>(hwnd);
    const uintptr_t pid = v >> 32;
    return pid != 0 && pid != OwnPid && pid < 0x80000000u;
}

}  // namespace ui
