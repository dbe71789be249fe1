#include "skin/sStoredSkins.h"

#include "rtl/Exceptions.h"

namespace skin {

void TsStoredSkin::Changed() {
    if (FCollection) FCollection->Changed();
}

void TsStoredSkin::SetName(std::string value) {
    FName = std::move(value);
    Changed();
}

void TsStoredSkin::SetMasterBitmap(const gfx::TBitmap& value) {
    FMasterBitmap.Assign(value);
    Changed();
}

void TsStoredSkin::SetShadow1Color(gfx::TColor value) {
    FShadow1Color = value;
    Changed();
}

void TsStoredSkin::SetShadow1Offset(int value) {
    FShadow1Offset = value;
    Changed();
}

void TsStoredSkin::SetShadow1Blur(int value) {
    FShadow1Blur = value;
    Changed();
}

void TsStoredSkin::SetShadow1Transparency(int value) {
    FShadow1Transparency = value;
    Changed();
}

void TsStoredSkin::SetBorderColor(gfx::TColor value) {
    FBorderColor = value;
    Changed();
}

void TsStoredSkin::SetVersion(double value) {
    FVersion = value;
    Changed();
}

void TsStoredSkin::SetAuthor(std::string value) {
    FAuthor = std::move(value);
    Changed();
}

void TsStoredSkin::SetDescription(std::string value) {
    FDescription = std::move(value);
    Changed();
}

void TsStoredSkin::SetData(std::string_view bytes) {
    FData.Clear();
    FData.WriteBuffer(bytes.data(), static_cast<long long>(bytes.size()));
    FData.SetPosition(0);
    Changed();
}

void TsStoredSkin::Assign(const TsStoredSkin& source) {
    if (&source == this) return;
    FName = source.FName;
    FMasterBitmap.Assign(source.FMasterBitmap);
    FShadow1Color = source.FShadow1Color;
    FShadow1Offset = source.FShadow1Offset;
    FShadow1Blur = source.FShadow1Blur;
    FShadow1Transparency = source.FShadow1Transparency;
    FBorderColor = source.FBorderColor;
    FVersion = source.FVersion;
    FAuthor = source.FAuthor;
    FDescription = source.FDescription;
    SetData(source.DataBytes());
}

std::string_view TsStoredSkin::DataBytes() const {
    // Size() seeks to the end and back, leaving the stream as it was.
    const long long size = const_cast<rtl::TMemoryStream&>(FData).Size();
    return {reinterpret_cast<const char*>(FData.Memory()), static_cast<size_t>(size)};
}

void TsStoredSkins::Changed() {
    if (FOnChange) FOnChange();
}

void TsStoredSkins::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw rtl::EListError(index);
}

TsStoredSkin& TsStoredSkins::Items(int index) {
    CheckIndex(index);
    return *FItems[static_cast<size_t>(index)];
}

const TsStoredSkin& TsStoredSkins::Items(int index) const {
    CheckIndex(index);
    return *FItems[static_cast<size_t>(index)];
}

TsStoredSkin& TsStoredSkins::Add() {
    FItems.push_back(std::make_unique<TsStoredSkin>());
    FItems.back()->FCollection = this;
    Changed();
    return *FItems.back();
}

void TsStoredSkins::Delete(int index) {
    CheckIndex(index);
    FItems.erase(FItems.begin() + index);
    Changed();
}

void TsStoredSkins::Clear() {
    FItems.clear();
    Changed();
}

int TsStoredSkins::IndexOf(std::string_view name) const {
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i]->Name() == name) return static_cast<int>(i);
    return -1;
}

void TsStoredSkins::Assign(const TsStoredSkins& source) {
    if (&source == this) return;
    FItems.clear();
    for (const auto& item : source.FItems) {
        FItems.push_back(std::make_unique<TsStoredSkin>());
        FItems.back()->Assign(*item);
        FItems.back()->FCollection = this;
    }
    Changed();
}

}  // namespace skin
