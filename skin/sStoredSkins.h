#pragma once
// Skins carried inside the program: each item holds a whole skin package as
// its Data, plus descriptive copies of a few of the skin's values. The skin
// manager owns the collection as its InternalSkins and hears of every change.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/TBitmap.h"
#include "rtl/TStream.h"

namespace skin {

class TsStoredSkins;

class TsStoredSkin {
public:
    const std::string& Name() const { return FName; }
    void SetName(std::string value);
    // Kept with the item; loading a skin does not use it.
    const gfx::TBitmap& MasterBitmap() const { return FMasterBitmap; }
    void SetMasterBitmap(const gfx::TBitmap& value);
    gfx::TColor Shadow1Color() const { return FShadow1Color; }
    void SetShadow1Color(gfx::TColor value);
    int Shadow1Offset() const { return FShadow1Offset; }
    void SetShadow1Offset(int value);
    int Shadow1Blur() const { return FShadow1Blur; }
    void SetShadow1Blur(int value);
    int Shadow1Transparency() const { return FShadow1Transparency; }
    void SetShadow1Transparency(int value);
    gfx::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(gfx::TColor value);
    double Version() const { return FVersion; }
    void SetVersion(double value);
    const std::string& Author() const { return FAuthor; }
    void SetAuthor(std::string value);
    const std::string& Description() const { return FDescription; }
    void SetDescription(std::string value);

    // The package bytes.
    rtl::TMemoryStream& Data() { return FData; }
    const rtl::TMemoryStream& Data() const { return FData; }
    void SetData(std::string_view bytes);
    std::string_view DataBytes() const;

    // Copies the package bytes, the bitmap and every property.
    void Assign(const TsStoredSkin& source);

private:
    friend class TsStoredSkins;
    void Changed();

    TsStoredSkins* FCollection = nullptr;
    std::string FName;
    gfx::TBitmap FMasterBitmap;
    gfx::TColor FShadow1Color = 0;
    int FShadow1Offset = 0;
    int FShadow1Blur = -1;
    int FShadow1Transparency = 0;
    gfx::TColor FBorderColor = 0xFF00FF;
    double FVersion = 0;
    std::string FAuthor;
    std::string FDescription;
    rtl::TMemoryStream FData;
};

class TsStoredSkins {
public:
    // `onChange` hears of every change of the collection or of an item.
    explicit TsStoredSkins(std::function<void()> onChange = {}) : FOnChange(std::move(onChange)) {}
    TsStoredSkins(const TsStoredSkins&) = delete;
    TsStoredSkins& operator=(const TsStoredSkins&) = delete;

    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError for an index outside the collection.
    TsStoredSkin& Items(int index);
    const TsStoredSkin& Items(int index) const;
    TsStoredSkin& Add();
    void Delete(int index);
    void Clear();
    // The first item whose Name equals `name` exactly, else -1.
    int IndexOf(std::string_view name) const;
    // Makes this collection a copy of `source`, item by item.
    void Assign(const TsStoredSkins& source);

private:
    friend class TsStoredSkin;
    void Changed();
    void CheckIndex(int index) const;

    std::function<void()> FOnChange;
    std::vector<std::unique_ptr<TsStoredSkin>> FItems;
};

}  // namespace skin
