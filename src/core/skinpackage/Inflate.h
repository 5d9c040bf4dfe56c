#pragma once

#include "core/skinpackage/ByteReader.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

namespace orvane {

// How a raw DEFLATE stream (RFC 1951) ended.
enum class InflateStatus {
    Done,             // the final block ended
    ReservedBlockType,// block type 3
    BadStoredLength,  // a stored block whose LEN and NLEN disagree
    BadCodeLengths,   // HLIT/HDIST out of range, a repeat with nothing to repeat
                      // or past the end, a length over the limit, an over-subscribed code
    UndefinedCode,    // bits that start no code of the block's tables
    InvalidSymbol,    // literal/length 286 or 287, distance code 30 or 31
    DistanceTooFar,   // a match reaching before the first byte of output
    InputExhausted,   // the stream ended inside a block
    OutputRefused,    // the output writer asked to stop
};

// Sizes of the decoder's buffers: input is pulled in pieces of
// InflateInputBufferSize bytes; output collects in a window of
// InflateWindowFlushAt + the longest match bytes and goes to the writer in
// pieces of InflateOutputPieceSize whenever the window fills.
inline constexpr std::size_t InflateInputBufferSize = 16384;
inline constexpr std::size_t InflateWindowFlushAt = 65536;
inline constexpr std::size_t InflateOutputPieceSize = 32768;
inline constexpr std::size_t InflateMaxMatchLength = 258;
inline constexpr std::size_t InflateWindowSize = InflateWindowFlushAt + InflateMaxMatchLength;

// Decodes a raw DEFLATE stream from input into output. The input may go on
// past the stream's end; its unused bytes are read but ignored. A stream that
// needs a bit past the input's last byte fails with InputExhausted. Output
// already handed to the writer stays there when decoding fails.
InflateStatus Inflate(ByteReader& input, ByteWriter& output);

// Decodes a stream in memory, appending to output; more than outputLimit
// bytes of output fail with OutputRefused.
InflateStatus Inflate(std::span<const std::uint8_t> input, std::vector<std::uint8_t>& output,
    std::size_t outputLimit = std::numeric_limits<std::size_t>::max());

} // namespace orvane
