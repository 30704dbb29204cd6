// DrawTextW's layout, apart from pixels: lines split at CR, LF and CRLF and, with
// DT_WORDBREAK, between words; '&' prefixes resolved; tabs expanded; end ellipses; and
// where each line sits across the rectangle.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "windef.h"

namespace ce::font {

// A stretch of a line between tabs: text.substr(start, length), drawn x pixels from the
// line's start.
struct TextPiece {
    size_t start;
    size_t length;
    int x;
};

struct TextLine {
    std::u16string text;  // as shown: prefixes resolved, ellipsis added
    int width = 0;
    int x = 0;            // from the rectangle's left edge
    long underline = -1;  // index in text of the character a '&' marked, or -1
    std::vector<TextPiece> pieces;
};

class TextLayout {
public:
    using Measure = std::function<int(std::u16string_view)>;

    // measure gives the width of a string without tabs; tab stops are every eight
    // average characters.
    TextLayout(Measure measure, int averageCharWidth, UINT format);

    std::vector<TextLine> lines(std::u16string_view text, int rectWidth) const;

private:
    std::vector<std::u16string> paragraphs(std::u16string_view text) const;
    void resolvePrefixes(std::u16string& text, long& underline) const;
    void breakParagraph(const std::u16string& text, long underline, int rectWidth, std::vector<TextLine>& out) const;
    void addEllipsis(TextLine& line, int rectWidth) const;
    void finishLine(TextLine& line, int rectWidth) const;
    int width(std::u16string_view text) const;
    std::vector<TextPiece> pieces(std::u16string_view text, int& width) const;

    Measure m_measure;
    int m_tabWidth;
    UINT m_format;
};

}  // namespace ce::font
