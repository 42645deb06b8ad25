// A PNG encoder for the build machine: lossless RGBA pictures, so that the
// icons the program carries take a fraction of their uncompressed size.
#pragma once

#include <cstdint>
#include <vector>

namespace zvpng {

// The bytes of a PNG file of 8-bit RGBA, straight alpha; rows top-down,
// width * 4 bytes each.
std::vector<uint8_t> Encode(int width, int height, const std::vector<uint8_t>& rgba);

// A zlib stream (RFC 1950) of the data: deflate with fixed Huffman codes.
std::vector<uint8_t> Zlib(const std::vector<uint8_t>& data);

}  // namespace zvpng
