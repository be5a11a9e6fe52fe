#pragma once
// Bounds-checked little-endian reads over a byte span. Offsets and counts are
// 64-bit so that header arithmetic on hostile values cannot wrap; a read that
// would leave the span gives 0 instead of touching memory it does not own.
// Decoders still check `has` before relying on a value.
#include <cstddef>
#include <cstdint>
#include <span>

namespace qv::detail {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint64_t size() const { return bytes_.size(); }
    const std::uint8_t* data() const { return bytes_.data(); }

    // True when [offset, offset + count) lies inside the bytes.
    bool has(std::uint64_t offset, std::uint64_t count) const {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }

    std::uint8_t u8(std::uint64_t offset) const { return has(offset, 1) ? bytes_[offset] : 0; }

    std::uint16_t u16(std::uint64_t offset) const {
        if (!has(offset, 2)) return 0;
        return static_cast<std::uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
    }

    std::uint32_t u32(std::uint64_t offset) const {
        if (!has(offset, 4)) return 0;
        return std::uint32_t{bytes_[offset]} | (std::uint32_t{bytes_[offset + 1]} << 8) |
               (std::uint32_t{bytes_[offset + 2]} << 16) | (std::uint32_t{bytes_[offset + 3]} << 24);
    }

    std::int32_t i32(std::uint64_t offset) const { return static_cast<std::int32_t>(u32(offset)); }

    // The bytes [offset, offset + count), or an empty span when they are not all there.
    std::span<const std::uint8_t> slice(std::uint64_t offset, std::uint64_t count) const {
        if (!has(offset, count)) return {};
        return bytes_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(count));
    }

private:
    std::span<const std::uint8_t> bytes_;
};

}  // namespace qv::detail
