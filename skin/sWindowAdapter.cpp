#include "skin/sWindowAdapter.h"

#include <algorithm>

#include "ui/Window.h"

namespace skin {

namespace {

TsWindowAdapter* gAdapter = nullptr;

}  // namespace

void SetWindowAdapter(TsWindowAdapter* adapter) { gAdapter = adapter; }
TsWindowAdapter* WindowAdapter() { return gAdapter; }

bool TacAdapterList::Contains(ui::HWND window) const {
    return std::any_of(FItems.begin(), FItems.end(), [window](const auto& item) { return item.Window == window; });
}

void TacAdapterList::Add(ui::HWND window, TacAdaptedKind kind, std::unique_ptr<TacProvider> provider) {
    FItems.push_back({window, kind, std::move(provider)});
}

// The items leave the list before their providers are freed, so that a
// provider that touches the list while it goes finds it consistent.
template <typename Match>
void TacAdapterList::RemoveIf(Match&& match) {
    std::vector<TacAdaptedWindow> gone;
    for (auto it = FItems.begin(); it != FItems.end();)
        if (match(*it)) {
            gone.push_back(std::move(*it));
            it = FItems.erase(it);
        } else {
            ++it;
        }
}

void TacAdapterList::Remove(ui::HWND window) {
    RemoveIf([window](const TacAdaptedWindow& item) { return item.Window == window; });
}

void TacAdapterList::Clear(TacAdaptedKind kind) {
    RemoveIf([kind](const TacAdaptedWindow& item) { return item.Kind == kind; });
}

void TacAdapterList::Clear() {
    RemoveIf([](const TacAdaptedWindow&) { return true; });
}

std::vector<ui::HWND> TacAdapterList::VisibleWindows(std::optional<TacAdaptedKind> kind) const {
    std::vector<ui::HWND> result;
    for (const TacAdaptedWindow& item : FItems)
        if ((!kind || item.Kind == *kind) && ui::IsWindowVisible(item.Window)) result.push_back(item.Window);
    return result;
}

TacAdapterList& AdaptedWindows() {
    static TacAdapterList list;
    return list;
}

}  // namespace skin
