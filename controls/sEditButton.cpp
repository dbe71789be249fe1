#include "controls/sEditButton.h"

#include <memory>

#include "controls/sDirsArt.h"
#include "skin/sControlKinds.h"
#include "vcl/TClassBuilder.h"
#include "vcl/TImageList.h"

namespace controls {

vcl::TImageList& EditButtonPictures() {
    static const std::unique_ptr<vcl::TImageList> pictures = [] {
        RegisterDirsArt();
        auto list = std::make_unique<vcl::TImageList>(nullptr);
        list->SetWidth(48);
        list->SetHeight(16);
        for (const char* name : {"SF", "SR", "SD", "SE", "SC"}) list->AddResource(name);
        return list;
    }();
    return *pictures;
}

// --- TsGlyphMode

const vcl::TClassInfo& TsGlyphMode::StaticClass() {
    static const vcl::TClassInfo& info =
        vcl::TClassBuilder<TsGlyphMode>("TsGlyphMode", vcl::TPersistent::StaticClass())
            .Reference<vcl::TCustomImageList>("Images", &TsGlyphMode::SetImages)
            .Int("ImageIndex", &TsGlyphMode::SetImageIndex)
            .Int("Blend", &TsGlyphMode::SetBlend)
            .Bool("Grayed", &TsGlyphMode::SetGrayed)
            .String("Hint", &TsGlyphMode::SetHint)
            .Build();
    return info;
}

void TsGlyphMode::SetImages(vcl::TCustomImageList* value) {
    if (value == FImages) return;
    if (FImages) FImages->RemoveFreeNotification(&FButton);
    FImages = value;
    if (FImages) FImages->FreeNotification(&FButton);
    FButton.UpdatePicture();
}

void TsGlyphMode::SetImageIndex(int value) {
    if (value == FImageIndex) return;
    FImageIndex = value;
    FButton.UpdatePicture();
}

int TsGlyphMode::Blend() const { return FButton.Blend(); }
void TsGlyphMode::SetBlend(int value) { FButton.SetBlend(value); }
bool TsGlyphMode::Grayed() const { return FButton.Grayed(); }
void TsGlyphMode::SetGrayed(bool value) { FButton.SetGrayed(value); }
const std::string& TsGlyphMode::Hint() const { return FButton.Hint(); }
void TsGlyphMode::SetHint(const std::string& value) { FButton.SetHint(value); }

// --- TsEditButton

const vcl::TClassInfo& TsEditButton::StaticClass() {
    static const vcl::TClassInfo& info =
        vcl::TClassBuilder<TsEditButton>("TsEditButton", TsSpeedButton::StaticClass()).Build();
    return info;
}

TsEditButton::TsEditButton(vcl::TComponent* owner) : TsSpeedButton(owner) {
    SetFlat(true);
    SetShowCaption(false);
    SetCursor(vcl::crArrow);
    SetDisabledGlyphKind(dgBlended);
    SkinData().SetSkinSection("SPEEDBUTTON_SMALL");
    SetWidth(22);
    UpdatePicture();
}

void TsEditButton::SetBuiltInEntry(int entry) {
    FBuiltInEntry = entry;
    UpdatePicture();
}

bool TsEditButton::HasPicture() { return !Glyph().Empty() || Images(); }

// A strip as wide as a whole number of its heights holds that many frames.
void TsEditButton::UpdatePicture() {
    vcl::TCustomImageList* list = FMode.Images();
    if (list && FMode.ImageIndex() >= 0 && FMode.ImageIndex() < list->Count()) {
        Glyph().Clear();
        SetImages(list);
        SetImageIndex(FMode.ImageIndex());
        SetWidth(list->Width() + 2);
        return;
    }
    SetImages(nullptr);
    vcl::TImageList& pictures = EditButtonPictures();
    if (FBuiltInEntry < 0 || FBuiltInEntry >= pictures.Count()) {
        Glyph().Clear();
        return;
    }
    const gfx::TBitmap& strip = pictures.Image(FBuiltInEntry);
    const int frames = strip.Height() > 0 && strip.Width() % strip.Height() == 0 ? strip.Width() / strip.Height() : 1;
    Glyph().Assign(strip);
    SetNumGlyphs(frames);
    SetWidth(strip.Width() / frames + 2);
}

void TsEditButton::Notification(vcl::TComponent* component, vcl::TOperation operation) {
    TsSpeedButton::Notification(component, operation);
    if (operation == vcl::opRemove && component == FMode.Images()) FMode.SetImages(nullptr);
}

}  // namespace controls
