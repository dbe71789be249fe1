#pragma once
// The master bitmap of the skin: every piece of artwork that the options text
// cuts out by position. The few pieces whose positions are fixed are placed
// first; the others are laid side by side on shelves around them, one pixel
// apart. A piece has one
// frame per state, side by side; with a mask (MaskKind 1) the frames' masks
// lie below them.
#include <string>
#include <vector>

#include "TArt.h"
#include "gfx/TBitmap.h"

namespace skinart {

struct TPlaced {
    int X = 0, Y = 0;
    int FrameWidth = 0, FrameHeight = 0;
    int States = 1;
    int MaskKind = 0;
    int Right() const { return X + FrameWidth * States; }
    int Bottom() const { return Y + FrameHeight * (MaskKind + 1); }
};

class TMasterAtlas {
public:
    explicit TMasterAtlas(int width) : FWidth(width) {}

    // Colour-keyed pieces (MaskKind 0) lose what is fully transparent to the
    // key colour and have half-covered pixels laid over `matte`. Masked pieces
    // (MaskKind 1) lose only blank pixels to the key colour: a see-through
    // pixel with a colour keeps it, with a mask that lets the destination show.
    TPlaced PlaceAt(int x, int y, const std::vector<TArt>& frames, int maskKind, TRgba matte = Hex(0xFFFFFF));
    TPlaced Place(const std::vector<TArt>& frames, int maskKind, TRgba matte = Hex(0xFFFFFF));

    // The master as a 24-bit bitmap, as skin masters are stored.
    gfx::TBitmap Bitmap() const;

private:
    struct TPixel {
        unsigned char R = 255, G = 0, B = 255;
    };
    void Write(const TPlaced& at, const std::vector<TArt>& frames, TRgba matte);
    bool Overlaps(int x, int y, int w, int h) const;
    void Grow(int height);
    TPixel& At(int x, int y);

    int FWidth;
    int FHeight = 0;
    int FShelfX = 0, FShelfY = 0, FShelfHeight = 0;
    std::vector<TPixel> FPixels;
    std::vector<TPlaced> FPlaced;
};

// The options text's references to placed pieces.
std::string GlyphReference(const TPlaced& piece);
std::string FrameReference(const TPlaced& piece, int left, int top, int right, int bottom, int drawFlags,
                           int uniformMargin = 0);
std::string TextureReference(const TPlaced& piece, int fillMode);

}  // namespace skinart
