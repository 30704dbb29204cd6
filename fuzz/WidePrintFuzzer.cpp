// The counted wide print (and nevo_common's fixed-buffer print over it) with a format taken
// from the input. A format is a program's constant and its caller supplies arguments of the
// types it names, so a format is tried only with such arguments: it is scanned first, each
// integer, character, width or precision gets a value from the input, each string the fixed
// text below, each floating-point conversion a double. Formats the fixed argument list cannot
// serve are skipped: more than c_slots integer or pointer arguments, more than c_reals doubles
// (they come from registers of their own), and long double (%Lf), which none of the callers use.
#include <cstdint>
#include <cstring>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "cewchar.h"
#include "core/FixedFormat.h"
#include "text/FormatSpec.h"

namespace {

constexpr size_t c_slots = 12;
constexpr size_t c_reals = 8;

// Text that reads as a narrow string ("Ab\xc3\xa9") and, two bytes a unit, as a wide one.
alignas(8) const char c_text[] = "Ab\xc3\xa9\0\0\0\0";

enum class Slot { Number, Text };

// The arguments the format takes, in order; false when the fixed list cannot serve them.
bool scan(const WCHAR* p, std::vector<Slot>& slots, size_t& reals) {
    using ce::text::FormatSpec;
    using ce::text::LengthModifier;
    while (*p) {
        if (*p++ != u'%') continue;
        FormatSpec conv;
        p = ce::text::parseFormatSpec(p, conv);
        WCHAR c = conv.conversion;
        bool real = c && std::strchr("eEfFgGaA", static_cast<char>(c)) && c < 0x80;
        bool known = real || (c && c < 0x80 && std::strchr("diuxXopcCsS%", static_cast<char>(c)));
        if (!known) continue;
        // Stars take their arguments even for %%.
        if (conv.widthFromArgs) slots.push_back(Slot::Number);
        if (conv.precisionFromArgs) slots.push_back(Slot::Number);
        if (slots.size() > c_slots) return false;
        if (c == u'%') continue;
        if (real) {
            if (conv.length == LengthModifier::LongDouble) return false;
            ++reals;
        } else {
            slots.push_back(c == u's' || c == u'S' ? Slot::Text : Slot::Number);
        }
        if (slots.size() > c_slots || reals > c_reals) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    size_t count = input.ConsumeIntegralInRange<size_t>(0, 300);
    std::uintptr_t g[c_slots];
    double d[c_reals];
    for (std::uintptr_t& value : g) value = input.ConsumeIntegral<std::uintptr_t>();
    for (double& value : d) value = input.ConsumeFloatingPoint<double>();
    // The format is UTF-8 text at the input's front (the numbers come from its end), so
    // that the seeds are text.
    std::u16string format = ce::fromUtf8(input.ConsumeRemainingBytesAsString());
    format = format.substr(0, format.find(u'\0'));

    std::vector<Slot> slots;
    size_t reals = 0;
    if (!scan(format.c_str(), slots, reals)) return 0;
    for (size_t i = 0; i < slots.size(); ++i)
        if (slots[i] == Slot::Text) g[i] = reinterpret_cast<std::uintptr_t>(c_text);

    // Exactly the buffer's size, so that the sanitizer sees any write past the count.
    std::vector<WCHAR> buffer(count ? count : 1);
    int written = _snwprintf(buffer.data(), count, format.c_str(), g[0], g[1], g[2], g[3], g[4], g[5], g[6], g[7],
                             g[8], g[9], g[10], g[11], d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7]);
    if (written > static_cast<int>(count)) __builtin_trap();
    int fixed = Nevo::printFixed(buffer.data(), static_cast<int>(buffer.size()), format.c_str(), g[0], g[1], g[2],
                                 g[3], g[4], g[5], g[6], g[7], g[8], g[9], g[10], g[11], d[0], d[1], d[2], d[3], d[4],
                                 d[5], d[6], d[7]);
    if (fixed < 0 || fixed >= static_cast<int>(buffer.size()) || buffer[static_cast<size_t>(fixed)] != 0)
        __builtin_trap();
    return 0;
}
