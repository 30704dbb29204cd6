// Face matching through fontconfig. Fontconfig substitutes silently, so the family it
// returns is compared with the one asked for. Its weight and slant in the result are not
// the file's (its synthetic rules rewrite them), so the face itself says what it lacks.
#include "gwe/font/FontMatcher.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include <fontconfig/fontconfig.h>

#include "gwe/font/EmbeddedFaces.h"

namespace ce::font {

namespace {

constexpr const char* c_handheldFace = "Tahoma";

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

bool hasFamily(FcPattern* font, const std::string& family) {
    FcChar8* value = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &value) == FcResultMatch; ++i)
        if (lowered(reinterpret_cast<const char*>(value)) == lowered(family)) return true;
    return false;
}

std::string firstFamily(FcPattern* font) {
    FcChar8* value = nullptr;
    return FcPatternGetString(font, FC_FAMILY, 0, &value) == FcResultMatch ? reinterpret_cast<const char*>(value) : "";
}

FcPattern* request(const std::string& family, bool bold, bool italic) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(bold ? 700 : 400));
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    return pattern;
}

void describeMatch(FcPattern* font, const std::string& family, FaceChoice& choice) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) return;
    choice.path = reinterpret_cast<const char*>(file);
    FcPatternGetInteger(font, FC_INDEX, 0, &choice.index);
    choice.family = hasFamily(font, family) ? family : firstFamily(font);
}

}  // namespace

FaceChoice FontMatcher::choose(const std::string& family, bool bold, bool italic, bool fixedPitch) {
    std::string asked = family.empty() ? c_handheldFace : family;
    auto key = std::make_tuple(lowered(asked), bold, italic, fixedPitch);
    auto found = m_chosen.find(key);
    if (found != m_chosen.end()) return found->second;

    FaceChoice choice = match(asked, bold, italic);
    if (lowered(choice.family) != lowered(asked)) {
        if (fixedPitch) choice = match("monospace", bold, italic);
        else if (lowered(asked) != lowered(c_handheldFace)) choice = match(c_handheldFace, bold, italic);
        // Tahoma not installed, or no font at all: the library's own Tahoma.
        bool tahomaMissing = !fixedPitch && lowered(choice.family) != lowered(c_handheldFace);
        if ((tahomaMissing || choice.path.empty()) && !embeddedPath(bold).empty())
            choice = FaceChoice{embeddedPath(bold), 0, c_handheldFace};
        else if (tahomaMissing)
            reportMissingTahoma(choice.family);
    }
    m_chosen.emplace(key, choice);
    return choice;
}

FaceChoice FontMatcher::match(const std::string& family, bool bold, bool italic) const {
    FaceChoice choice;
    FcPattern* pattern = request(family, bold, italic);
    FcConfigSubstitute(m_config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* font = FcFontMatch(m_config, pattern, &result);
    if (font) {
        describeMatch(font, family, choice);
        FcPatternDestroy(font);
    }
    FcPatternDestroy(pattern);
    return choice;
}

void FontMatcher::reportMissingTahoma(const std::string& substitute) {
    if (m_reported) return;
    m_reported = true;
    std::fprintf(stderr, "ceplatform: Tahoma is not installed (package fonts-wine); text is drawn in %s instead\n",
                 substitute.empty() ? "no font at all" : substitute.c_str());
}

}  // namespace ce::font
