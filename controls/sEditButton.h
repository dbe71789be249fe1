#pragma once
// The small skinned button inside the right end of a combo edit such as the
// directory edit, which places it: a flat speed button without caption in the section
// "SPEEDBUTTON_SMALL", its picture a strip of three frames (normal, hot,
// pressed) from the built-in button pictures, or one image of a list.
#include "controls/sSpeedButton.h"
#include "vcl/TPersistent.h"

namespace vcl {
class TImageList;
}

namespace controls {

// The built-in button pictures, made once per process: 48 x 16 each, the
// strips "SF", "SR", "SD", "SE" and "SC" as entries 0 to 4.
vcl::TImageList& EditButtonPictures();
// The entry of the folder button.
inline constexpr int ebpFolder = 1;

class TsEditButton;

// What the button shows: an image of a list when Images holds ImageIndex,
// else the built-in picture; its transparency and greyness at rest, and its
// hint.
class TsGlyphMode : public vcl::TPersistent {
public:
    explicit TsGlyphMode(TsEditButton& button) : FButton(button) {}
    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }

    vcl::TCustomImageList* Images() const { return FImages; }
    void SetImages(vcl::TCustomImageList* value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    int Blend() const;
    void SetBlend(int value);
    bool Grayed() const;
    void SetGrayed(bool value);
    const std::string& Hint() const;
    void SetHint(const std::string& value);

private:
    TsEditButton& FButton;
    vcl::TCustomImageList* FImages = nullptr;
    int FImageIndex = -1;
};

class TsEditButton : public TsSpeedButton {
public:
    explicit TsEditButton(vcl::TComponent* owner);
    static const vcl::TClassInfo& StaticClass();
    const vcl::TClassInfo& ClassType() const override { return StaticClass(); }

    // The picture of GlyphMode (or the built-in entry), the width following
    // its frame.
    void UpdatePicture();
    void SetBuiltInEntry(int entry);
    // A picture is there to show.
    bool HasPicture();
    TsGlyphMode& GlyphMode() { return FMode; }

protected:
    void Notification(vcl::TComponent* component, vcl::TOperation operation) override;

private:
    int FBuiltInEntry = ebpFolder;
    TsGlyphMode FMode{*this};
};

}  // namespace controls
