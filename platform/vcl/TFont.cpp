#include "vcl/TFont.h"

#include "vcl/TClassBuilder.h"

namespace vcl {

const TClassInfo& TFont::StaticClass() {
    static const TClassInfo& info =
        TClassBuilder<TFont>("TFont", TPersistent::StaticClass())
            .String("Name", &TFont::SetName)
            .Int("Height", &TFont::SetHeight)
            .Int("Size", &TFont::SetSize)
            .Set("Style", &TFont::SetStyle, {{"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline}})
            .Color("Color", &TFont::SetColor)
            .Custom("Charset",
                    [](TFont& f, const TLayoutValue& v, TLayoutReader&) {
                        f.SetCharset(v.Kind == TLayoutValue::Ident
                                         ? int(ValueToEnum(v, {{"ANSI_CHARSET", ANSI_CHARSET},
                                                               {"DEFAULT_CHARSET", DEFAULT_CHARSET},
                                                               {"SYMBOL_CHARSET", SYMBOL_CHARSET}}))
                                         : ValueToInt(v));
                    })
            .Build();
    return info;
}

void TFont::Changed() {
    if (OnChange) OnChange();
}

void TFont::SetHandle(const gfx::TFont& font) {
    if (font == FFont) return;
    FFont = font;
    Changed();
}

void TFont::SetName(const std::string& name) {
    if (name.empty() || name == FFont.Name) return;
    FFont.Name = name;
    Changed();
}

void TFont::SetHeight(int height) {
    if (height == FFont.Height) return;
    FFont.Height = height;
    Changed();
}

void TFont::SetSize(int points) {
    gfx::TFont f = FFont;
    f.SetSize(points);
    SetHeight(f.Height);
}

void TFont::SetStyle(TFontStyles style) {
    if (style == FFont.Style) return;
    FFont.Style = style;
    Changed();
}

void TFont::SetColor(gfx::TColor color) {
    if (color == FFont.Color) return;
    FFont.Color = color;
    Changed();
}

void TFont::SetCharset(TFontCharset charset) {
    if (charset == FCharset) return;
    FCharset = charset;
    Changed();
}

void TFont::Assign(const TFont& source) {
    if (source == *this) return;
    FFont = source.FFont;
    FCharset = source.FCharset;
    Changed();
}

}  // namespace vcl
