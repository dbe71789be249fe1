#pragma once
// A picture on a form: drawn at the top-left corner, centred, or stretched
// (keeping its proportions when asked); with Transparent the colour of its
// lower-left pixel is left out; a 32-bit picture is blended with its alpha.
#include "vcl/TGraphicControl.h"
#include "vcl/TPicture.h"

namespace vcl {

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    TPicture& Picture() { return FPicture; }
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool Proportional() const { return FProportional; }
    void SetProportional(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // Where the picture lands in the control.
    TRect DestRect() const;

protected:
    void Paint() override;
    void AdjustSize() override;

private:
    void PictureChanged();

    TPicture FPicture;
    bool FCenter = false;
    bool FStretch = false;
    bool FProportional = false;
    bool FTransparent = false;
};

}  // namespace vcl
