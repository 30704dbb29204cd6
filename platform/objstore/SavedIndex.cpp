// Saving and checking sort order indexes kept in the volume.
#include "SavedIndex.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

namespace ce::objstore::savedindex {

namespace {

constexpr std::uint32_t c_magic = 0x3258494F;  // "OIX2"; "OIX1" had a slower checksum
constexpr size_t c_headerSize = 24;
constexpr size_t c_keySize = 12;

void put(std::vector<BYTE>& bytes, size_t at, std::uint64_t value, size_t width) {
    for (size_t i = 0; i < width; ++i) bytes[at + i] = static_cast<BYTE>(value >> (8 * i));
}

// Saved keys are read back as they lie, the strings straight into the index.
static_assert(std::endian::native == std::endian::little, "saved indexes are little-endian");

std::uint64_t get(std::span<const BYTE> bytes, size_t at, size_t width) {
    std::uint64_t value = 0;
    std::memcpy(&value, bytes.data() + at, width);
    return value;
}

// Catches a damaged or cut-short save; it is no defence against a made-up one, which at
// worst shows the records in a wrong order. Fed in pieces of any size. Four words are mixed
// side by side, each into its own sum: one chain of multiplies would cost more than reading.
class Checksum {
public:
    void add(const BYTE* bytes, size_t size) {
        while (size && m_filled) {
            m_block[m_filled++] = *bytes++, --size;
            if (m_filled == c_block) mixBlock(m_block), m_filled = 0;
        }
        for (; size >= c_block; bytes += c_block, size -= c_block) mixBlock(bytes);
        if (!size) return;  // `bytes` may be null then (an order without strings)
        std::memcpy(m_block + m_filled, bytes, size);
        m_filled += static_cast<unsigned>(size);
    }
    std::uint64_t value() const {
        std::uint64_t sum = 0x6A09E667F3BCC908ull;
        for (std::uint64_t lane : m_lanes) sum = mix(sum, lane);
        for (unsigned at = 0; at < m_filled; at += 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, m_block + at, std::min(8u, m_filled - at));
            sum = mix(sum, word);
        }
        return mix(sum, m_filled);
    }

private:
    static constexpr unsigned c_block = 32;
    static std::uint64_t mix(std::uint64_t sum, std::uint64_t word) {
        sum = (sum ^ word) * 0x9E3779B97F4A7C15ull;
        return sum ^ (sum >> 29);
    }
    void mixBlock(const BYTE* block) {
        for (unsigned lane = 0; lane < 4; ++lane) {
            std::uint64_t word;
            std::memcpy(&word, block + 8 * lane, 8);
            m_lanes[lane] = mix(m_lanes[lane], word);
        }
    }
    std::uint64_t m_lanes[4] = {0xBB67AE8584CAA73Bull, 0x3C6EF372FE94F82Bull, 0xA54FF53A5F1D36F1ull,
                                0x510E527FADE682D1ull};
    BYTE m_block[c_block];
    unsigned m_filled = 0;
};

}  // namespace

std::vector<BYTE> encode(const OrderIndex& index) {
    size_t units = 0, missing = 0;
    index.forEachInOrder([&](const SortKeyView& key) {
        units += key.value.text.size();
        missing += !key.present;
    });
    size_t textAt = c_headerSize + index.size() * c_keySize;
    std::vector<BYTE> bytes(textAt + units * sizeof(char16_t));
    put(bytes, 0, c_magic, 4);
    put(bytes, 4, index.size(), 4);
    put(bytes, 8, units, 4);
    put(bytes, 12, missing, 4);
    size_t at = c_headerSize, text = textAt;
    bool isText = index.order().isText();
    index.forEachInOrder([&](const SortKeyView& key) {
        put(bytes, at, key.oid, 4);
        put(bytes, at + 4, !key.present ? 0 : isText ? key.value.text.size() : key.value.number, 8);
        at += c_keySize;
        for (char16_t unit : key.value.text) put(bytes, std::exchange(text, text + 2), unit, 2);
    });
    seal(bytes);
    return bytes;
}

void seal(std::vector<BYTE>& bytes) {
    if (bytes.size() < c_headerSize) return;
    Checksum sum;
    sum.add(bytes.data() + c_headerSize, bytes.size() - c_headerSize);
    put(bytes, 16, sum.value(), 8);
}

bool decode(const Volume::SavedReader& read, std::uint64_t size, std::uint64_t records, OrderIndex& index) {
    index.startBuild(0);
    BYTE header[c_headerSize];
    std::span<const BYTE> head(header);
    if (size < c_headerSize || !read(0, header, c_headerSize) || get(head, 0, 4) != c_magic) return false;
    std::uint64_t count = get(head, 4, 4), units = get(head, 8, 4), missing = get(head, 12, 4);
    if (count != records || missing > count) return false;
    if (size != c_headerSize + count * c_keySize + units * sizeof(char16_t)) return false;
    const KeyOrder& order = index.order();
    if ((order.isCreationOrder() && missing != count) || (!order.isText() && units)) return false;
    // The strings are read whole, straight into the index, and the keys read in pieces.
    std::uint64_t textAt = c_headerSize + count * c_keySize;
    OrderIndex::TextUnits text(units);
    if (units && !read(textAt, text.data(), units * sizeof(char16_t))) return false;
    Checksum sum;
    index.startBuild(count);
    index.adoptText(std::move(text));
    constexpr size_t c_piece = 4096;
    std::vector<BYTE> piece(c_piece * c_keySize);
    std::uint64_t used = 0;
    size_t firstPresent = order.missingFirst() ? missing : 0, lastPresent = firstPresent + (count - missing);
    for (size_t first = 0; first < count; first += c_piece) {
        size_t keys = std::min<size_t>(c_piece, count - first);
        if (!read(c_headerSize + first * c_keySize, piece.data(), keys * c_keySize)) return index.startBuild(0), false;
        sum.add(piece.data(), keys * c_keySize);
        std::span<const BYTE> bytes(piece);
        for (size_t k = 0; k < keys; ++k) {
            size_t i = first + k;
            auto oid = static_cast<CEOID>(get(bytes, k * c_keySize, 4));
            std::uint64_t value = get(bytes, k * c_keySize + 4, 8);
            bool present = i >= firstPresent && i < lastPresent;
            if (!present && value) return index.startBuild(0), false;
            if (present && order.isText()) {
                if (value > units - used || !index.addSaved(oid, true, used, value)) return index.startBuild(0), false;
                used += value;
            } else {
                index.addSaved(oid, present, value, 0);
            }
        }
    }
    // The strings, after the keys, as they were saved.
    const BYTE* textBytes = reinterpret_cast<const BYTE*>(index.textData());
    sum.add(textBytes, units * sizeof(char16_t));
    if (used != units || get(head, 16, 8) != sum.value()) return index.startBuild(0), false;
    return index.finishBuild(true);
}

}  // namespace ce::objstore::savedindex
