#include "skin/sMenuSupport.h"

#include "vcl/TClassBuilder.h"

namespace skin {

const vcl::TClassInfo& TacMenuSupport::StaticClass() {
    using T = TacMenuSupport;
    static const vcl::TClassInfo& info = vcl::TClassBuilder<T>("TacMenuSupport", vcl::TPersistent::StaticClass())
                                             .String("IcoLineSkin", &T::SetIcoLineSkin)
                                             .Int("AlphaBlend", &T::SetAlphaBlend)
                                             .Bool("UseExtraLine", &T::SetUseExtraLine)
                                             .Int("ExtraLineWidth", &T::SetExtraLineWidth)
                                             .Object("ExtraLineFont", &T::ExtraLineFont)
                                             .Build();
    return info;
}

}  // namespace skin
