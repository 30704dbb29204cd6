// Character classes for WCHAR that the system's C runtime provides.
#include "cewchar.h"

// The C white-space characters and every Unicode White_Space character of the BMP (the
// no-break spaces included, as the handheld's runtime classifies them). Zero-width space
// U+200B and the byte-order mark are format characters, not space.
int iswspace(WCHAR c) {
    if (c < 0x80) return c == u' ' || (c >= 0x09 && c <= 0x0D);
    switch (c) {
    case 0x0085: case 0x00A0: case 0x1680: case 0x2028: case 0x2029:
    case 0x202F: case 0x205F: case 0x3000:
        return 1;
    default:
        return c >= 0x2000 && c <= 0x200A;
    }
}
