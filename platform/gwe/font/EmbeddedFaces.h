// Tahoma built into the library: text is drawn in the handheld's face even where no font is
// installed, as in a bare container or a sandbox that shows the program no font folder.
#pragma once

#include <span>
#include <string>

namespace ce::font {

// The name a FaceChoice gives the built-in face, in place of a file's path.
std::string embeddedPath(bool bold);
// The bytes of the face behind such a name; empty for a file's path, or when the library was
// built without Tahoma.
std::span<const unsigned char> embeddedFace(const std::string& path);

}  // namespace ce::font
