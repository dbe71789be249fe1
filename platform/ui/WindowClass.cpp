#include "ui/WindowClass.h"

#include <cctype>

#include "ui/Tree.h"

namespace ui {

namespace {

std::string Key(const std::string& name) {
    std::string key = name;
    for (char& c : key) c = char(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

}  // namespace

TClassRecord* FindClass(const std::string& className) {
    const auto it = Sys().Classes.find(Key(className));
    return it == Sys().Classes.end() ? nullptr : it->second.get();
}

ATOM RegisterClass(const TWndClass& wc) {
    if (!OnMainThread() || wc.ClassName.empty() || FindClass(wc.ClassName) || wc.WndExtra < 0) return 0;
    auto record = std::make_unique<TClassRecord>();
    record->Info = wc;
    record->Atom = Sys().NextAtom++;
    const ATOM atom = record->Atom;
    Sys().Classes[Key(wc.ClassName)] = std::move(record);
    return atom;
}

bool GetClassInfo(const std::string& className, TWndClass& wc) {
    const TClassRecord* c = OnMainThread() ? FindClass(className) : nullptr;
    if (c) wc = c->Info;
    return c != nullptr;
}

std::string GetClassName(HWND hwnd) {
    const TWindow* w = Win(hwnd);
    return w ? w->Class->Info.ClassName : std::string();
}

UINT GetClassStyle(HWND hwnd) {
    const TWindow* w = Win(hwnd);
    return w ? w->Class->Info.Style : 0;
}

}  // namespace ui
