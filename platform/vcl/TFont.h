#pragma once
// The font of a control: the graphics library's logical font (face name,
// height, style, colour) with a character set, published to layouts and
// telling its owner of every change so that the control can repaint and
// pass the change to children that use their parent's font.
#include <functional>
#include <string>

#include "gfx/TFont.h"
#include "vcl/TPersistent.h"

namespace vcl {

using gfx::fsBold;
using gfx::fsItalic;
using gfx::fsUnderline;
using gfx::TFontStyles;

enum : int { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SYMBOL_CHARSET = 2 };
using TFontCharset = int;

class TFont : public TPersistent {
public:
    TFont() = default;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    // What a canvas draws with.
    const gfx::TFont& Handle() const { return FFont; }
    void SetHandle(const gfx::TFont& font);

    const std::string& Name() const { return FFont.Name; }
    void SetName(const std::string& name);
    int Height() const { return FFont.Height; }
    void SetHeight(int height);
    int Size() const { return FFont.Size(); }
    void SetSize(int points);
    TFontStyles Style() const { return FFont.Style; }
    void SetStyle(TFontStyles style);
    gfx::TColor Color() const { return FFont.Color; }
    void SetColor(gfx::TColor color);
    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset charset);

    // Copies everything but the change handler, and tells of the change.
    void Assign(const TFont& source);
    bool operator==(const TFont& other) const { return FFont == other.FFont && FCharset == other.FCharset; }

    std::function<void()> OnChange;

private:
    void Changed();

    gfx::TFont FFont;
    TFontCharset FCharset = DEFAULT_CHARSET;
};

}  // namespace vcl
