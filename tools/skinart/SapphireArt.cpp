#include "SapphireArt.h"

#include <algorithm>
#include <cmath>

namespace skinart {

namespace {

struct TGlassColours {
    unsigned Top, Middle, Lower, Bottom;
};

// Normal, hot and pressed looks of the title buttons.
const TGlassColours CloseLooks[3] = {
    {0x7F9FD8, 0x4C72BA, 0x2F5AA6, 0x3D6DBF},
    {0xF39A8E, 0xDB5A4E, 0xC0362C, 0xD24C40},
    {0xB8483E, 0x9E2E25, 0x8A2119, 0xA23A30},
};
const TGlassColours ButtonLooks[3] = {
    {0x9CBCEA, 0x6590CF, 0x426FBA, 0x5585CF},
    {0xBEDDFB, 0x7CB4F2, 0x4C8DE2, 0x66A5EF},
    {0x5079B9, 0x305B9F, 0x244D8C, 0x3262A2},
};

TPaint GlassPaint(const TGlassColours& c, float y0, float y1) {
    return Glass(y0, y1, Hex(c.Top), Hex(c.Middle), Hex(c.Lower), Hex(c.Bottom));
}

// The symbol's strokes, centred on (cx, cy), `scale` 1 for large buttons.
TShape SymbolShape(TTitleSymbol symbol, float cx, float cy, float scale) {
    const float s = scale, w = 2.1f * std::max(scale, 0.85f);
    switch (symbol) {
        case tsClose:
            return Union(Capsule(cx - 3.6f * s, cy - 3.6f * s, cx + 3.6f * s, cy + 3.6f * s, w),
                         Capsule(cx - 3.6f * s, cy + 3.6f * s, cx + 3.6f * s, cy - 3.6f * s, w));
        case tsMinimize: return Capsule(cx - 4 * s, cy + 3 * s, cx + 4 * s, cy + 3 * s, w);
        case tsMaximize:
            return Union(Ring(RoundRect(cx - 5 * s, cy - 4 * s, cx + 5 * s, cy + 4.5f * s, 0.8f), 1.3f),
                         Capsule(cx - 4.5f * s, cy - 3.3f * s, cx + 4.5f * s, cy - 3.3f * s, 1.6f));
        case tsRestore:
            return Union(Ring(RoundRect(cx - 4.5f * s, cy - 1.5f * s, cx + 2.5f * s, cy + 4.5f * s, 0.6f), 1.3f),
                         Ring(RoundRect(cx - 1.5f * s, cy - 4.5f * s, cx + 5 * s, cy + 1.5f * s, 0.6f), 1.1f));
        case tsNone: break;
        case tsHelp: {
            TShape hook = Capsule(cx - 2.6f * s, cy - 2.2f * s, cx - 1.4f * s, cy - 3.8f * s, w);
            hook = Union(hook, Capsule(cx - 1.4f * s, cy - 3.8f * s, cx + 1.2f * s, cy - 4.1f * s, w));
            hook = Union(hook, Capsule(cx + 1.2f * s, cy - 4.1f * s, cx + 2.6f * s, cy - 2.4f * s, w));
            hook = Union(hook, Capsule(cx + 2.6f * s, cy - 2.4f * s, cx, cy + 0.2f * s, w));
            hook = Union(hook, Capsule(cx, cy + 0.2f * s, cx, cy + 1.2f * s, w));
            return Union(hook, Circle(cx, cy + 4 * s, 1.25f * s));
        }
    }
    // No symbol: nothing is inside.
    return [](float, float) { return 1e9f; };
}

TArt TitleButtonFrame(TTitleSymbol symbol, int width, int height, bool hanging, int state) {
    const TGlassColours& look = (symbol == tsClose ? CloseLooks : ButtonLooks)[state];
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    TArt art(width, height);
    // A hanging button meets the window's top edge: only its lower corners are round.
    const TShape body = hanging ? RoundRect(0, -4, w, h, 0, 0, 4, 4) : RoundRect(0, 0, w, h, 3);
    const TShape inner = hanging ? RoundRect(1, -4, w - 1, h - 1, 0, 0, 3, 3) : RoundRect(1, 1, w - 1, h - 1, 2);
    art.Fill(body, Hex(Ink, 0.9f));
    art.Fill(inner, GlassPaint(look, 0, h));
    art.Fill(Ring(inner, 1), Hex(0xFFFFFF, state == 2 ? 0.12f : 0.35f));
    const float scale = hanging ? 1.0f : 0.8f;
    const float cx = w / 2, cy = hanging ? h / 2 - 0.5f : h / 2;
    art.Fill(SymbolShape(symbol, cx, cy + 1, scale), Hex(0x0A1F44, 0.45f));
    art.Fill(SymbolShape(symbol, cx, cy, scale), Hex(0xFFFFFF));
    return art;
}

void BoxFace(TArt& art, const TShape& shape, int state) {
    static const unsigned borders[3] = {0x6F8DBA, 0x3D7BD6, 0x2A5AA5};
    static const unsigned tops[3] = {0xFFFFFF, 0xFFFFFF, 0xC9DBF5};
    static const unsigned bottoms[3] = {0xE3EAF5, 0xD3E5FB, 0xE3ECF9};
    const float size = static_cast<float>(art.Height());
    art.Fill(shape, VerticalGradient(0, size, Hex(tops[state]), Hex(bottoms[state])));
    art.Fill(Ring(shape, 1), Hex(borders[state]));
}

// Inside a frame piece's outline the key colour must never show. In the corner
// slices, which painters may rebuild over the parent's pixels, the control's
// face lies opaque under the frame's own pixels. Along the sides and in the
// centre the frame is blended over the control's own background (a gradient,
// as often as not), so there untouched pixels only become see-through.
void LayFace(TArt& art, const TShape& outline, const TFace* face, TSlices slices) {
    const float w = static_cast<float>(art.Width()), h = static_cast<float>(art.Height());
    for (int y = 0; y < art.Height(); ++y)
        for (int x = 0; x < art.Width(); ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            if (outline(px, py) >= 0) continue;
            const bool left = x < slices.Left, right = x >= art.Width() - slices.Right;
            const bool top = y < slices.Top, bottom = y >= art.Height() - slices.Bottom;
            // The face where the pixel lands on a control of the face's size.
            auto under = [&]() {
                return face->Paint(right ? face->Width - (w - px) : px, bottom ? face->Height - (h - py) : py);
            };
            TRgba& p = art.At(x, y);
            if (face && (left || right) && (top || bottom)) {
                const TRgba own = p;
                p = WithAlpha(under(), 1);
                art.Blend(x, y, own);
            } else if (p.A == 0) {
                p = WithAlpha(face ? under() : Hex(0xFFFFFF), 0);
            }
        }
}

const TFace* FaceOf(const TFaces& faces, size_t state) { return faces.empty() ? nullptr : &faces.at(state); }

}  // namespace

TFace Flat(unsigned rgb) { return {Solid(Hex(rgb))}; }

TPaint Sheen(float width) {
    return [width](float x, float) {
        const float t = std::fabs(x - width / 2) / (width / 2);
        return Mix(Hex(0xD3E4FA), Hex(0xF1F6FE), t * t);
    };
}

TFrames FormFrame() {
    TArt art(9, 9);
    const unsigned rings[] = {Ink, Deep, Light, Mist, Pale};
    for (int i = 0; i < 5; ++i) {
        const float inset = static_cast<float>(i);
        art.Fill(RoundRect(inset, inset, 9 - inset, 9 - inset, std::max(4.0f - inset, 0.0f)), Hex(rings[i]));
    }
    art.Harden(0.5f);
    return {art};
}

TFrames TitleFrame(const TFaces& faces) {
    TFrames frames;
    const unsigned outlines[2] = {0x4A6186, Ink};
    for (size_t state = 0; state < 2; ++state) {
        const unsigned outline = outlines[state];
        TArt art(9, 6);
        const TShape outer = RoundRect(0, 0, 9, 12, 4, 4, 0, 0);
        art.Fill(outer, Hex(outline));
        // The hardened outline decides which pixels the window region cuts,
        // exactly as the window frame's corners do.
        art.Harden(0.5f);
        TArt inside(9, 6);
        inside.Fill(RoundRect(1, 1, 8, 12, 3, 3, 0, 0), Hex(0xFFFFFF));
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 9; ++x)
                if (inside.At(x, y).A > 0.5f) art.At(x, y) = y == 1 ? Hex(0xFFFFFF, 0.3f) : TRgba{};
        for (int x = 0; x < 9; ++x) art.At(x, 5) = Hex(outline == Ink ? 0x173F80u : 0x6F86AAu);
        LayFace(art, outer, FaceOf(faces, state), {4, 4, 4, 1});
        frames.push_back(art);
    }
    return frames;
}

TFrames DividerPixels() {
    TArt art(3, 1);
    art.At(0, 0) = Hex(0x9CB2D4);
    art.At(1, 0) = art.At(2, 0) = Hex(0xFFFFFF);
    return {art};
}

TFrames TitleButton(TTitleSymbol symbol, int width, int height, bool hanging) {
    TFrames frames;
    for (int state = 0; state < 3; ++state) frames.push_back(TitleButtonFrame(symbol, width, height, hanging, state));
    return frames;
}

TArt TitleGlow(TTitleSymbol symbol, int width, int height, int margin) {
    const int fullWidth = width + 2 * margin, fullHeight = height + 2 * margin;
    TArt glow(fullWidth, fullHeight);
    const float m = static_cast<float>(margin);
    glow.Fill(RoundRect(m - 2, m - 2, m + width + 2, m + height + 2, 6),
              Hex(symbol == tsClose ? 0xFF6A4D : 0x7CC4FF, 0.95f));
    glow.Blur(3.5f);
    TArt art(fullWidth, fullHeight);
    art.Draw(glow, 0, 0);
    art.Draw(TitleButtonFrame(symbol, width, height, true, 1), margin, margin);
    return art;
}

TFrames CheckBox(TBoxKind kind, int size) {
    TFrames frames;
    const float s = static_cast<float>(size);
    for (int state = 0; state < 3; ++state) {
        TArt art(size, size);
        BoxFace(art, RoundRect(0.5f, 0.5f, s - 0.5f, s - 0.5f, 2.5f), state);
        const TRgba mark = Hex(state == 2 ? 0x17488F : Sapphire);
        const float k = s / 13;
        if (kind == bkChecked) {
            art.Fill(Union(Capsule(3.2f * k, 6.6f * k, 5.5f * k, 9.0f * k, 2.0f * k),
                           Capsule(5.5f * k, 9.0f * k, 9.9f * k, 3.8f * k, 2.0f * k)),
                     mark);
        } else if (kind == bkGrayed) {
            art.Fill(RoundRect(3.5f * k, 3.5f * k, s - 3.5f * k, s - 3.5f * k, 1), WithAlpha(mark, 0.75f));
        }
        frames.push_back(art);
    }
    return frames;
}

TFrames RadioButton(TBoxKind kind, int size) {
    TFrames frames;
    const float c = size / 2.0f;
    for (int state = 0; state < 3; ++state) {
        TArt art(size, size);
        BoxFace(art, Circle(c, c, c - 0.5f), state);
        const float dot = kind == bkChecked ? size * 0.22f : kind == bkGrayed ? size * 0.18f : 0;
        if (dot > 0)
            art.Fill(Circle(c, c, dot), VerticalGradient(c - dot, c + dot, Hex(0x5C9BEB, kind == bkGrayed ? 0.6f : 1),
                                                        Hex(0x17488F, kind == bkGrayed ? 0.6f : 1)));
        frames.push_back(art);
    }
    return frames;
}

TFrames MenuCheck() {
    TFrames frames;
    for (unsigned colour : {Navy, Sapphire}) {
        TArt art(14, 14);
        art.Fill(Union(Capsule(3.5f, 7.5f, 6.0f, 10.0f, 2.0f), Capsule(6.0f, 10.0f, 10.8f, 4.0f, 2.0f)), Hex(colour));
        frames.push_back(art);
    }
    return frames;
}

TFrames BorderFrame(const std::vector<unsigned>& borders, int margin, float radius, bool pressedLast,
                    const TFaces& faces) {
    TFrames frames;
    const float size = static_cast<float>(2 * margin + 1);
    for (size_t i = 0; i < borders.size(); ++i) {
        TArt art(2 * margin + 1, 2 * margin + 1);
        const TShape outer = RoundRect(0, 0, size, size, radius);
        const TShape inner = RoundRect(1, 1, size - 1, size - 1, std::max(radius - 1, 0.0f));
        art.Fill(Ring(outer, 1), Hex(borders[i]));
        const bool pressed = pressedLast && i + 1 == borders.size();
        art.Fill(Ring(inner, 1), pressed ? Hex(0x0A1F44, 0.16f) : Hex(0xFFFFFF, 0.7f));
        LayFace(art, outer, FaceOf(faces, i), {margin, margin, margin, margin});
        frames.push_back(art);
    }
    return frames;
}

TFrames TabFrame(const TFaces& faces) {
    TFrames frames;
    const unsigned borders[4] = {0x9AB0D2, 0x5D8FD6, 0x6F8DBA, 0xC3CFE0};
    for (size_t i = 0; i < 4; ++i) {
        TArt art(9, 9);
        const TShape outer = RoundRect(0, 0, 9, 14, 3, 3, 0, 0);
        art.Fill(Ring(outer, 1), Hex(borders[i]));
        art.Fill(Ring(RoundRect(1, 1, 8, 14, 2, 2, 0, 0), 1), Hex(0xFFFFFF, 0.75f));
        // The selected tab carries a sapphire line along its top.
        if (i == 2) art.Fill(RoundRect(1, 1, 8, 3, 2, 2, 0, 0), Hex(Light));
        LayFace(art, outer, FaceOf(faces, i), {4, 4, 4, 4});
        frames.push_back(art);
    }
    return frames;
}

TFrames MenuFrame() {
    TArt art(3, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) art.At(x, y) = (x == 1 && y == 1) ? Hex(0xFAFCFF) : Hex(0x7F9CC6);
    for (int y : {0, 2})
        for (int x : {0, 2}) art.At(x, y) = TRgba{};
    return {art};
}

TFrames MenuSeparator() {
    TArt art(3, 2);
    for (int x = 0; x < 3; ++x) {
        art.At(x, 0) = Hex(0xC5D3E8);
        art.At(x, 1) = Hex(0xFFFFFF);
    }
    return {art};
}

TFrames ColumnLine() {
    TArt art(3, 1);
    art.At(0, 0) = art.At(1, 0) = Hex(0xE6EDF8);
    art.At(2, 0) = Hex(0xC5D3E8);
    return {art};
}

TFrames TopLine() {
    TArt art(1, 3);
    art.At(0, 0) = Hex(0xB5C6DF);
    art.At(0, 1) = Hex(0xFFFFFF);
    art.At(0, 2) = Hex(0xEEF3FA);
    return {art};
}

TFrames ArrowGlyph(TArrow arrow, int size) {
    const unsigned colours[4] = {0x4A6186, Sapphire, 0x17488F, 0xA9B6C9};
    TFrames frames;
    const float s = static_cast<float>(size), c = s / 2, r = s * 0.3f;
    for (unsigned colour : colours) {
        TArt art(size, size);
        switch (arrow) {
            case arUp: art.Fill(Triangle(c - r * 1.2f, c + r * 0.6f, c + r * 1.2f, c + r * 0.6f, c, c - r * 0.7f), Hex(colour)); break;
            case arDown: art.Fill(Triangle(c - r * 1.2f, c - r * 0.6f, c + r * 1.2f, c - r * 0.6f, c, c + r * 0.7f), Hex(colour)); break;
            case arLeft: art.Fill(Triangle(c + r * 0.6f, c - r * 1.2f, c + r * 0.6f, c + r * 1.2f, c - r * 0.7f, c), Hex(colour)); break;
            case arRight: art.Fill(Triangle(c - r * 0.6f, c - r * 1.2f, c - r * 0.6f, c + r * 1.2f, c + r * 0.7f, c), Hex(colour)); break;
        }
        frames.push_back(art);
    }
    return frames;
}

TFrames ThumbGrip(bool vertical) {
    const unsigned colours[4] = {0x7F97BD, 0x2F66B8, 0xFFFFFF, 0xB9C5D6};
    TFrames frames;
    for (unsigned colour : colours) {
        TArt art(8, 8);
        for (int i = 0; i < 3; ++i) {
            const float at = 1.5f + 2.5f * i;
            art.Fill(vertical ? Capsule(1.5f, at, 6.5f, at, 1.1f) : Capsule(at, 1.5f, at, 6.5f, 1.1f), Hex(colour));
        }
        frames.push_back(art);
    }
    return frames;
}

TFrames GripDots(int width, int height) {
    TArt art(width, height);
    for (int y = height - 3; y >= 0; y -= 4)
        for (int x = width - 3; x >= 0; x -= 4) {
            // A triangle of dots toward the bottom-right corner for the size grip,
            // a plain row or column for the bar grips.
            if (width == height && (width - x) + (height - y) > width + 2) continue;
            art.Fill(Circle(x + 1.5f, y + 1.5f, 1.0f), Hex(0xFFFFFF));
            art.Fill(Circle(x + 1.0f, y + 1.0f, 1.0f), Hex(0x6F8DBA));
        }
    return {art};
}

TFrames TrackChannel() {
    TArt art(7, 5);
    art.Fill(RoundRect(0, 0, 7, 5, 2), Hex(0x9AB0D2));
    art.Fill(RoundRect(1, 1, 6, 4, 1), VerticalGradient(1, 4, Hex(0xD3DEEE), Hex(0xF4F7FC)));
    return {art};
}

TFrames TrackThumb(bool vertical) {
    TFrames frames;
    const int w = vertical ? 19 : 11, h = vertical ? 11 : 19;
    for (int state = 0; state < 3; ++state) {
        TArt art(w, h);
        const TShape body = RoundRect(0.5f, 0.5f, w - 0.5f, h - 0.5f, 3);
        art.Fill(body, GlassPaint(ButtonLooks[state], 0, static_cast<float>(h)));
        art.Fill(Ring(body, 1), Hex(Ink, 0.8f));
        frames.push_back(art);
    }
    return frames;
}

TFrames Tick(bool vertical) {
    TArt art(vertical ? 4 : 1, vertical ? 1 : 4);
    for (int i = 0; i < 4; ++i) art.At(vertical ? i : 0, vertical ? 0 : i) = Hex(0x7F97BD);
    return {art};
}

TFrames HugeButtonSheen() {
    TArt art(164, 1);
    art.Fill([](float, float) { return -1.0f; }, Sheen(164));
    return {art};
}

TFrames HugeButtonFrame(const TFaces& faces) {
    const unsigned borders[4] = {0x4C7FC8, 0x2E6FD6, 0x1D4E9E, 0xB3C3DA};
    TFrames frames;
    for (size_t state = 0; state < 4; ++state) {
        TArt art(36, 36);
        const TShape outer = RoundRect(0.5f, 0.5f, 35.5f, 35.5f, 10);
        art.Fill(Ring(outer, 1.4f), Hex(borders[state]));
        art.Fill(Ring(RoundRect(1.9f, 1.9f, 34.1f, 34.1f, 8.6f), 1.2f), Hex(0xFFFFFF, state == 2 ? 0.2f : 0.75f));
        // A soft shade inside the lower edge gives the button its depth.
        TArt shade(36, 36);
        shade.Fill(RoundRect(3, 26, 33, 33.5f, 6), Hex(state == 2 ? 0x0A1F44 : 0x3F78CE, 0.22f));
        shade.Blur(2);
        TArt body(36, 36);
        body.Draw(shade, 0, 0);
        for (int y = 0; y < 36; ++y)
            for (int x = 0; x < 36; ++x)
                if (outer(x + 0.5f, y + 0.5f) > -1) body.At(x, y).A = 0;
        art.Draw(body, 0, 0);
        LayFace(art, outer, FaceOf(faces, state), {12, 12, 12, 12});
        frames.push_back(art);
    }
    return frames;
}

TArt CornerOrnament() {
    TArt art(150, 110);
    for (int i = 0; i < 7; ++i) {
        const float radius = 34.0f + 17.0f * i;
        const TShape arc = Ring(Circle(0, 110, radius), 1.3f);
        art.Fill(arc, Hex(0x8FB2E6, 0.26f - 0.03f * i));
    }
    TArt glow(150, 110);
    glow.Fill(Circle(0, 110, 46), Hex(0xB9D2F4, 0.35f));
    glow.Blur(12);
    glow.Draw(art, 0, 0);
    return glow;
}

TArt ControlGlow(int slice, int margin) {
    // The element's edge lies `margin` pixels inside the slices' inner edge.
    const int size = 3 * slice;
    const float edge = static_cast<float>(slice - margin);
    TArt art(size, size);
    art.Fill(Ring(RoundRect(edge - 1.5f, edge - 1.5f, size - edge + 1.5f, size - edge + 1.5f, 6), 3.5f),
             Hex(0x6FB3FF, 0.9f));
    art.Blur(edge / 3.2f);
    // Nothing of the halo lies over the element itself.
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (x >= edge + 2 && y >= edge + 2 && x < size - edge - 2 && y < size - edge - 2) art.At(x, y).A = 0;
    return art;
}

TFrames ExtendedBorder() {
    TFrames frames;
    for (bool active : {false, true}) {
        TArt art(120, 160);
        TArt shadow(120, 160);
        shadow.Fill(RoundRect(31, 34, 89, 129, 6), Hex(0x000000, active ? 0.5f : 0.32f));
        shadow.Blur(9);
        art.Draw(shadow, 0, 0);
        const TShape window = RoundRect(31, 31, 89, 129, 5, 5, 4, 4);
        art.Fill(window, Hex(active ? Deep : 0x7F98BE));
        art.Fill(RoundRect(32, 32, 88, 71, 4, 4, 0, 0),
                 active ? Glass(32, 71, Hex(0x6FA0E8), Hex(0x3F7ACF), Hex(0x2A66C2), Hex(0x1E56AE))
                        : Glass(32, 71, Hex(0xB3C5DF), Hex(0x9DB3D3), Hex(0x8EA6CA), Hex(0x849DC3)));
        art.Fill(Ring(window, 1), Hex(active ? Ink : 0x4A6186));
        frames.push_back(art);
    }
    return frames;
}

}  // namespace skinart
