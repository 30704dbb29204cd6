// The wide printf engine: walks a format and writes each conversion into a WideSink.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <string_view>

#include "text/FormatSpec.h"
#include "text/WideSink.h"

namespace ce::text {

class WideFormatter {
public:
    WideFormatter(WideSink& sink, va_list args);
    ~WideFormatter();
    WideFormatter(const WideFormatter&) = delete;
    WideFormatter& operator=(const WideFormatter&) = delete;

    void format(const WCHAR* format);

private:
    void convert(FormatSpec& conv, const WCHAR* directive, const WCHAR* end);
    void takeStarArguments(FormatSpec& conv);
    void integer(const FormatSpec& conv);
    void pointer(const FormatSpec& conv);
    void character(const FormatSpec& conv, bool wide);
    void string(const FormatSpec& conv, bool wide);
    void floating(const FormatSpec& conv);

    std::int64_t signedArgument(LengthModifier length);
    std::uint64_t unsignedArgument(LengthModifier length);
    void digits(const FormatSpec& conv, std::uint64_t value, bool negative);
    // Padding, prefix, zeros, body, then trailing zeros and a suffix (a number's exponent).
    void field(const FormatSpec& conv, std::u16string_view prefix, size_t zeros, std::u16string_view body,
               size_t trailingZeros = 0, std::u16string_view suffix = {});

    WideSink& m_sink;
    va_list m_args;
};

}  // namespace ce::text
