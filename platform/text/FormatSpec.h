// One conversion of a wide printf format (%-08.3lx ...), parsed but not yet applied.
#pragma once

#include "windef.h"

namespace ce::text {

enum class LengthModifier { None, Char, Short, Long, LongLong, Wide, Pointer, LongDouble };

struct FormatSpec {
    bool left = false;       // -
    bool plus = false;       // +
    bool space = false;      // ' '
    bool alternate = false;  // #
    bool zero = false;       // 0
    bool widthFromArgs = false;
    bool precisionFromArgs = false;
    int width = 0;
    int precision = -1;  // -1: none given
    LengthModifier length = LengthModifier::None;
    WCHAR conversion = 0;  // 0 when the format ended inside the conversion
};

// Parses the conversion that follows a '%' and returns the position after it.
const WCHAR* parseFormatSpec(const WCHAR* text, FormatSpec& conv);

}  // namespace ce::text
