#include "skin/sAnimEffects.h"

#include "vcl/TClassBuilder.h"

namespace skin {

using vcl::TClassBuilder;

namespace {

TacSkinChangePlayer gSkinChangePlayer = nullptr;

}  // namespace

void SetSkinChangePlayer(TacSkinChangePlayer player) { gSkinChangePlayer = player; }
TacSkinChangePlayer SkinChangePlayer() { return gSkinChangePlayer; }

const vcl::TClassInfo& TacFormAnimation::StaticClass() {
    static const vcl::TClassInfo& info =
        TClassBuilder<TacFormAnimation>("TacFormAnimation", vcl::TPersistent::StaticClass())
            .Bool("Active", &TacFormAnimation::SetActive)
            .Int("Time", &TacFormAnimation::SetTime)
            .Enum("Mode", &TacFormAnimation::SetMode, {{"atFading", atFading}, {"atAero", atAero}})
            .Build();
    return info;
}

const vcl::TClassInfo& TacBlendOnMoving::StaticClass() {
    static const vcl::TClassInfo& info =
        TClassBuilder<TacBlendOnMoving>("TacBlendOnMoving", TacFormAnimation::StaticClass())
            .Int("BlendValue", &TacBlendOnMoving::SetBlendValue)
            .Build();
    return info;
}

const vcl::TClassInfo& TacBtnEffects::StaticClass() {
    static const vcl::TClassInfo& info =
        TClassBuilder<TacBtnEffects>("TacBtnEffects", vcl::TPersistent::StaticClass())
            .Set("Events", &TacBtnEffects::SetEvents,
                 {{"beMouseEnter", beMouseEnter},
                  {"beMouseLeave", beMouseLeave},
                  {"beMouseDown", beMouseDown},
                  {"beMouseUp", beMouseUp}})
            .Build();
    return info;
}

const vcl::TClassInfo& TacAnimEffects::StaticClass() {
    using T = TacAnimEffects;
    static const vcl::TClassInfo& info = TClassBuilder<T>("TacAnimEffects", vcl::TPersistent::StaticClass())
                                             .Object("Buttons", &T::Buttons)
                                             .Object("DialogShow", &T::DialogShow)
                                             .Object("FormShow", &T::FormShow)
                                             .Object("FormHide", &T::FormHide)
                                             .Object("DialogHide", &T::DialogHide)
                                             .Object("Minimizing", &T::Minimizing)
                                             .Object("PageChange", &T::PageChange)
                                             .Object("SkinChanging", &T::SkinChanging)
                                             .Object("BlendOnMoving", &T::BlendOnMoving)
                                             .Build();
    return info;
}

const vcl::TClassInfo& TacSkinEffects::StaticClass() {
    static const vcl::TClassInfo& info =
        TClassBuilder<TacSkinEffects>("TacSkinEffects", vcl::TPersistent::StaticClass())
            .Bool("AllowGlowing", &TacSkinEffects::SetAllowGlowing)
            .Bool("AllowAeroBluring", &TacSkinEffects::SetAllowAeroBluring)
            .Build();
    return info;
}

}  // namespace skin
