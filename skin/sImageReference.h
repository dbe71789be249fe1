#pragma once
// The image references of an options text, read from the value of a key:
//   '!' a file of its own      "!XBORDER.PNG!2!0!3!0039!0075!0039!0038!1"
//   '@' a glyph of the master  "@0469@0042@0497@0070@2@1"
//   '^' a frame of the master  "^0019^0032^0028^0041^0004^0004^0004^0004^1^0^1^1"
//   '~' a texture of the master "~0135~0070~0299~0071~01~0"
// and the two forms of older skins: a whole bitmap file ("FRAME.BMP") and a
// rectangle of the master ("#1 (10,20,30,40) (3,1,2,1)"). The fixed-position
// numbers of '@', '^' and '~' are strict: one that is not an integer raises
// EConvertError. Anything else is no image reference.
#include <string>
#include <string_view>

#include "skin/sSkinRecords.h"

namespace skin {

enum TsReferenceForm { rfNone, rfExternal, rfGlyph, rfBorder, rfTexture, rfPlainBitmap, rfRectangle };

struct TsImageReference {
    TsReferenceForm Form = rfNone;
    // The file a '!' reference or a plain bitmap names, as written.
    std::string FileName;
    // Everything the text says about the entry (no bitmap, names or owner).
    TsMaskData Entry;
    // The margins follow from the picture's size once it is loaded.
    bool DefaultMargins = false;
};

// `version` is the skin's VERSION: older skins decide the stretch bit of '^'
// frames from their centre. Margins that follow from the rectangle alone are
// set here; a '^' or rectangle frame whose margins cannot be derived (no
// frames, or a negative MaskKind) comes back as rfNone.
TsImageReference ParseImageReference(std::string_view value, double version);

// The value names a JPEG file (".JPG" or ".JPEG" in any case).
bool IsJpegReference(std::string_view value);

// Margins of a third of the frame on each side; false (and nothing set) when
// the entry has no frames to divide.
bool SetDefaultMargins(TsMaskData& entry);

}  // namespace skin
