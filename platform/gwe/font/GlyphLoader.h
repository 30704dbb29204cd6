// Loads one glyph of a FreeType face (at the size already set on it) into a Glyph.
#pragma once

#include "gwe/font/Glyph.h"

struct FT_FaceRec_;

namespace ce::font {

// How the bitmap strike selected on a face for the size is used: not at all, as it is, or
// widened by a pixel (the strike is a lighter face's copy, see FontFace).
enum class StrikeUse { None, AsIs, Widened };

// What a face needs beyond its style: its strike's use, and whether its outlines must be
// thickened to the weight the face claims (see FontFace).
struct FaceRendering {
    StrikeUse strike = StrikeUse::None;
    bool thickenOutlines = false;
};

// Strikes serve unless the style needs outlines. A glyph that cannot be loaded comes back
// blank with no advance.
Glyph loadGlyph(FT_FaceRec_* face, unsigned glyphIndex, GlyphStyle style, FaceRendering rendering);

}  // namespace ce::font
