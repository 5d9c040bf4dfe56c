#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace orvane {

// A sequential source of bytes: the inflater pulls its input through it.
class ByteReader {
public:
    virtual ~ByteReader() = default;
    // Fills the front of buffer; returns how many bytes it gave, 0 at the end.
    virtual std::size_t Read(std::span<std::uint8_t> buffer) = 0;
};

// A sink for bytes: the inflater hands its output to it piece by piece.
class ByteWriter {
public:
    virtual ~ByteWriter() = default;
    // False stops the producer, which then fails.
    virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
};

// Reads from a buffer in memory.
class MemoryByteReader final : public ByteReader {
public:
    explicit MemoryByteReader(std::span<const std::uint8_t> bytes) : rest(bytes) {}
    std::size_t Read(std::span<std::uint8_t> buffer) override;

private:
    std::span<const std::uint8_t> rest;
};

} // namespace orvane
