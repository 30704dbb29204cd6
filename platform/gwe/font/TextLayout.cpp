// DrawTextW's line breaking, prefixes, tabs and ellipses.
#include "gwe/font/TextLayout.h"

#include <algorithm>

#include "winuser.h"

namespace ce::font {

namespace {

constexpr int c_tabChars = 8;
constexpr std::u16string_view c_ellipsis = u"...";

// A word and the spaces after it, as [wordStart, wordEnd) and [wordEnd, next).
struct Word {
    size_t wordStart;
    size_t wordEnd;
};

std::vector<Word> words(const std::u16string& text) {
    std::vector<Word> result;
    size_t i = 0;
    while (i < text.size()) {
        size_t start = i;
        while (i < text.size() && text[i] != u' ') ++i;
        result.push_back(Word{start, i});
        while (i < text.size() && text[i] == u' ') ++i;
    }
    return result;
}

}  // namespace

TextLayout::TextLayout(Measure measure, int averageCharWidth, UINT format) :
    m_measure(std::move(measure)), m_tabWidth(std::max(1, averageCharWidth * c_tabChars)), m_format(format) {}

std::vector<TextLine> TextLayout::lines(std::u16string_view text, int rectWidth) const {
    std::vector<TextLine> result;
    for (std::u16string& paragraph : paragraphs(text)) {
        long underline = -1;
        if (!(m_format & DT_NOPREFIX)) resolvePrefixes(paragraph, underline);
        breakParagraph(paragraph, underline, rectWidth, result);
    }
    for (TextLine& line : result) finishLine(line, rectWidth);
    return result;
}

// Lines end at CR, LF or CRLF; a break at the very end starts no further line. On a single
// line the breaks are dropped.
std::vector<std::u16string> TextLayout::paragraphs(std::u16string_view text) const {
    std::vector<std::u16string> result;
    if (text.empty()) return result;
    if (m_format & DT_SINGLELINE) {
        std::u16string joined;
        for (char16_t c : text)
            if (c != u'\r' && c != u'\n') joined += c;
        result.push_back(std::move(joined));
        return result;
    }
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of(u"\r\n", start);
        if (end == std::u16string_view::npos) end = text.size();
        result.emplace_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ++end;
        start = end + 1;
    }
    return result;
}

// "&x" shows x underlined, "&&" a plain '&'; a '&' at the end shows nothing. The first
// marked character is the one underlined.
void TextLayout::resolvePrefixes(std::u16string& text, long& underline) const {
    std::u16string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            shown += text[i];
            continue;
        }
        if (i + 1 >= text.size()) break;
        if (text[i + 1] == u'&') {
            shown += u'&';
            ++i;
        } else if (underline < 0) {
            underline = static_cast<long>(shown.size());
        }
    }
    text = std::move(shown);
}

// Greedy filling: words join a line while it fits; a word wider than the rectangle keeps a
// line to itself, whole. Spaces where a line breaks are dropped.
void TextLayout::breakParagraph(const std::u16string& text, long underline, int rectWidth,
                                std::vector<TextLine>& out) const {
    bool wraps = (m_format & DT_WORDBREAK) && !(m_format & DT_SINGLELINE);
    std::vector<Word> all = words(text);
    if (!wraps || all.size() <= 1) {
        out.push_back(TextLine{text, 0, 0, underline, {}});
        return;
    }
    size_t lineStart = 0;
    size_t lineEnd = all.front().wordEnd;
    for (size_t i = 1; i <= all.size(); ++i) {
        bool fits = i < all.size() &&
                    width(std::u16string_view(text).substr(lineStart, all[i].wordEnd - lineStart)) <= rectWidth;
        if (fits) {
            lineEnd = all[i].wordEnd;
            continue;
        }
        long marked = underline >= static_cast<long>(lineStart) && underline < static_cast<long>(lineEnd)
                          ? underline - static_cast<long>(lineStart)
                          : -1;
        out.push_back(TextLine{text.substr(lineStart, lineEnd - lineStart), 0, 0, marked, {}});
        if (i < all.size()) {
            lineStart = all[i].wordStart;
            lineEnd = all[i].wordEnd;
        }
    }
}

void TextLayout::addEllipsis(TextLine& line, int rectWidth) const {
    int room = rectWidth - m_measure(c_ellipsis);
    size_t kept = line.text.size();
    while (kept > 0 && width(std::u16string_view(line.text).substr(0, kept)) > room) --kept;
    // Never keep half of a surrogate pair.
    if (kept > 0 && line.text[kept - 1] >= 0xD800 && line.text[kept - 1] < 0xDC00) --kept;
    line.text = line.text.substr(0, kept) + std::u16string(c_ellipsis);
    if (line.underline >= static_cast<long>(kept)) line.underline = -1;
}

void TextLayout::finishLine(TextLine& line, int rectWidth) const {
    if ((m_format & DT_END_ELLIPSIS) && width(line.text) > rectWidth) addEllipsis(line, rectWidth);
    line.pieces = pieces(line.text, line.width);
    if (m_format & DT_CENTER) line.x = (rectWidth - line.width) / 2;
    else if (m_format & DT_RIGHT) line.x = rectWidth - line.width;
}

int TextLayout::width(std::u16string_view text) const {
    int result = 0;
    pieces(text, result);
    return result;
}

// Without DT_EXPANDTABS a tab is an ordinary character, drawn as the font draws it.
std::vector<TextPiece> TextLayout::pieces(std::u16string_view text, int& width) const {
    std::vector<TextPiece> result;
    if (!(m_format & DT_EXPANDTABS)) {
        width = m_measure(text);
        result.push_back(TextPiece{0, text.size(), 0});
        return result;
    }
    int x = 0;
    size_t start = 0;
    while (true) {
        size_t tab = text.find(u'\t', start);
        size_t end = tab == std::u16string_view::npos ? text.size() : tab;
        if (end > start) result.push_back(TextPiece{start, end - start, x});
        x += m_measure(text.substr(start, end - start));
        if (tab == std::u16string_view::npos) break;
        x = (x / m_tabWidth + 1) * m_tabWidth;
        start = tab + 1;
    }
    width = x;
    return result;
}

}  // namespace ce::font
