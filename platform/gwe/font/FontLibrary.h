// The font engine's shared state: FreeType, fontconfig with the folder of the handheld's
// Tahoma added, and every face opened so far, one per file and size, kept until exit.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "gwe/font/FontFace.h"
#include "gwe/font/FontMatcher.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace ce::font {

class FontLibrary {
public:
    static FontLibrary& instance();

    FontMatcher& matcher() { return *m_matcher; }
    // The face of a file (or the built-in Tahoma) at ppem pixels per em; null when the file
    // cannot be opened.
    FontFace* face(const std::string& path, int index, int ppem);
    // How tall a cell is per em in that file (1 when it cannot be opened).
    double cellPerEm(const std::string& path, int index);

private:
    FontLibrary();
    ~FontLibrary();
    // A file's face, or the built-in one a path of embeddedPath names.
    bool open(const std::string& path, int index, FT_FaceRec_** face);

    FT_LibraryRec_* m_freetype = nullptr;
    std::unique_ptr<FontMatcher> m_matcher;
    std::map<std::tuple<std::string, int, int>, std::unique_ptr<FontFace>> m_faces;
};

}  // namespace ce::font
