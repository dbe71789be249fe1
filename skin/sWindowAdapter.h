#pragma once
// Skinning windows the program did not skin itself. The manager's dialog hook
// decides which windows get skinned (sDialogHook.h); the frame layer does the
// skinning, through the adapter it sets here. What the adapter makes for a
// window is kept in the process-wide list of adapted windows until the window
// goes or the skin is removed; the manager's broadcasts reach the adapted
// foreign dialogs through that list.
#include <memory>
#include <optional>
#include <vector>

#include "ui/Types.h"

namespace vcl {
class TCustomForm;
}

namespace skin {

// What the frame layer keeps for an adapted window: freeing it takes the
// skin off the window again.
class TacProvider {
public:
    virtual ~TacProvider() = default;
};

class TsWindowAdapter {
public:
    virtual ~TsWindowAdapter() = default;
    // A form of the program without a frame provider gets one (section FORM,
    // UseGlobalColor off, no skin menu) and is redrawn at once.
    virtual std::unique_ptr<TacProvider> AdaptForm(vcl::TCustomForm& form) = 0;
    // A dialog of the platform's dialog class: its children get adapters by
    // their classes, then the dialog is sent the apply command.
    virtual std::unique_ptr<TacProvider> AdaptDialog(ui::HWND dialog) = 0;
    // A menu window of the platform (class "#32768").
    virtual std::unique_ptr<TacProvider> AdaptMenuWindow(ui::HWND menuWindow) = 0;
};

// The frame layer's adapter; null (the start) adapts nothing.
void SetWindowAdapter(TsWindowAdapter* adapter);
TsWindowAdapter* WindowAdapter();

enum TacAdaptedKind { akForm, akDialog, akMenuWindow };

struct TacAdaptedWindow {
    ui::HWND Window = nullptr;
    TacAdaptedKind Kind = akForm;
    std::unique_ptr<TacProvider> Provider;
};

// The windows the dialog hook adapted, in the order it adapted them.
class TacAdapterList {
public:
    bool Contains(ui::HWND window) const;
    void Add(ui::HWND window, TacAdaptedKind kind, std::unique_ptr<TacProvider> provider);
    // The window went: its provider is freed.
    void Remove(ui::HWND window);
    // Frees the providers of one kind, or of all.
    void Clear(TacAdaptedKind kind);
    void Clear();
    // The adapted windows (of a kind, or of any) that are visible now.
    std::vector<ui::HWND> VisibleWindows(std::optional<TacAdaptedKind> kind = std::nullopt) const;

private:
    template <typename Match>
    void RemoveIf(Match&& match);

    std::vector<TacAdaptedWindow> FItems;
};

TacAdapterList& AdaptedWindows();

}  // namespace skin
