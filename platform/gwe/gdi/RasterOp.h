// The ternary raster operations. A ROP's index byte (bits 16-23) is the truth table of a
// function of pattern P, source S and destination D: bit (P*4 + S*2 + D) is the result.
// Applied bit by bit to whole pixels, it covers all 256 operations at once.
#pragma once

#include "gwe/gdi/Surface.h"
#include "windef.h"

namespace ce::gdi {

inline BYTE ropIndex(DWORD rop) {
    return static_cast<BYTE>((rop >> 16) & 0xFF);
}
inline bool ropUsesSource(BYTE index) {
    return ((index >> 2) & 0x33) != (index & 0x33);
}
inline bool ropUsesPattern(BYTE index) {
    return ((index >> 4) & 0x0F) != (index & 0x0F);
}

inline Pixel applyRop3(BYTE index, Pixel dest, Pixel source, Pixel pattern) {
    switch (index) {  // the common ones directly
    case 0xCC: return source;
    case 0xF0: return pattern;
    case 0x88: return source & dest;
    case 0x66: return source ^ dest;
    }
    Pixel result = 0;
    for (int term = 0; term < 8; ++term) {
        if (!((index >> term) & 1)) continue;
        result |= ((term & 4) ? pattern : ~pattern) & ((term & 2) ? source : ~source) & ((term & 1) ? dest : ~dest);
    }
    return result & 0xFFFFFF;
}

}  // namespace ce::gdi
