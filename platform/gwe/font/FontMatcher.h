// Finds the font file for a face name, weight and slant through fontconfig, and notices
// when it substituted another family.
#pragma once

#include <map>
#include <string>
#include <tuple>

struct _FcConfig;

namespace ce::font {

struct FaceChoice {
    std::string path;  // empty when nothing at all was found
    int index = 0;
    std::string family;
};

class FontMatcher {
public:
    explicit FontMatcher(_FcConfig* config) : m_config(config) {}

    // An empty name, or one the system does not have, gets Tahoma, the handheld's only
    // text face; fixedPitch asks for a monospaced face instead.
    FaceChoice choose(const std::string& family, bool bold, bool italic, bool fixedPitch);

private:
    FaceChoice match(const std::string& family, bool bold, bool italic) const;
    void reportMissingTahoma(const std::string& substitute);

    _FcConfig* m_config;
    std::map<std::tuple<std::string, bool, bool, bool>, FaceChoice> m_chosen;
    bool m_reported = false;
};

}  // namespace ce::font
