// PNG and zlib writing (RFC 2083, 1950, 1951), only as much as the build's
// pictures need: every row filtered the way that leaves the smallest bytes,
// then LZ77 matches coded with the fixed Huffman codes.
#include "png.h"

#include <array>
#include <cstdlib>
#include <string>

namespace zvpng {
namespace {

class bitwriter {
 public:
  std::vector<uint8_t> Bytes;

  // The low n bits of v, least significant first (deflate's order for data).
  void Put(uint32_t v, int n) {
    for (int i = 0; i < n; ++i) {
      if (Used == 0) Bytes.push_back(0);
      Bytes.back() |= static_cast<uint8_t>(((v >> i) & 1) << Used);
      Used = (Used + 1) % 8;
    }
  }
  // A Huffman code of n bits, most significant first.
  void PutCode(uint32_t code, int n) {
    for (int i = n - 1; i >= 0; --i) Put((code >> i) & 1, 1);
  }

 private:
  int Used = 0;
};

void PutLiteral(bitwriter& out, int v) {
  if (v < 144) out.PutCode(0x30 + v, 8);
  else if (v < 256) out.PutCode(0x190 + v - 144, 9);
  else if (v < 280) out.PutCode(v - 256, 7);
  else out.PutCode(0xC0 + v - 280, 8);
}

const int LengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                            31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
const int LengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                             2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
const int DistBase[30] = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
                          193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
const int DistExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6,
                           6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

void PutMatch(bitwriter& out, int length, int distance) {
  int l = 28;
  while (LengthBase[l] > length) --l;
  PutLiteral(out, 257 + l);
  out.Put(length - LengthBase[l], LengthExtra[l]);
  int d = 29;
  while (DistBase[d] > distance) --d;
  out.PutCode(d, 5);
  out.Put(distance - DistBase[d], DistExtra[d]);
}

const int Window = 32768, MinMatch = 3, MaxMatch = 258, MaxChain = 256;

// The longest earlier match at pos, through the chain of positions whose
// next three bytes hash alike.
std::pair<int, int> LongestMatch(const std::vector<uint8_t>& d, size_t pos, const std::vector<int>& head,
                                 const std::vector<int>& prev, uint32_t hash) {
  int best = 0, bestDist = 0;
  const size_t limit = std::min<size_t>(MaxMatch, d.size() - pos);
  int cand = head[hash];
  for (int chain = 0; cand >= 0 && chain < MaxChain; ++chain, cand = prev[cand]) {
    const int dist = static_cast<int>(pos) - cand;
    if (dist > Window) break;
    size_t n = 0;
    while (n < limit && d[cand + n] == d[pos + n]) ++n;
    if (static_cast<int>(n) > best) {
      best = static_cast<int>(n);
      bestDist = dist;
      if (n == limit) break;
    }
  }
  return {best, bestDist};
}

std::vector<uint8_t> Deflate(const std::vector<uint8_t>& d) {
  bitwriter out;
  out.Put(1, 1);  // the last block
  out.Put(1, 2);  // fixed Huffman codes
  const int HashSize = 1 << 15;
  std::vector<int> head(HashSize, -1), prev(d.size(), -1);
  auto hashAt = [&](size_t i) {
    return ((uint32_t(d[i]) << 10) ^ (uint32_t(d[i + 1]) << 5) ^ d[i + 2]) & (HashSize - 1);
  };
  auto insert = [&](size_t i) {
    if (i + MinMatch > d.size()) return;
    const uint32_t h = hashAt(i);
    prev[i] = head[h];
    head[h] = static_cast<int>(i);
  };
  size_t pos = 0;
  while (pos < d.size()) {
    std::pair<int, int> m{0, 0};
    if (pos + MinMatch <= d.size()) m = LongestMatch(d, pos, head, prev, hashAt(pos));
    if (m.first >= MinMatch) {
      PutMatch(out, m.first, m.second);
      for (int i = 0; i < m.first; ++i) insert(pos + i);
      pos += m.first;
    } else {
      PutLiteral(out, d[pos]);
      insert(pos);
      ++pos;
    }
  }
  PutLiteral(out, 256);
  return out.Bytes;
}

uint32_t Crc(const uint8_t* p, size_t n, uint32_t crc = 0) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[i] = c;
    }
    return t;
  }();
  crc = ~crc;
  for (size_t i = 0; i < n; ++i) crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

void PutBig32(std::vector<uint8_t>& v, uint32_t x) {
  for (int s = 24; s >= 0; s -= 8) v.push_back(static_cast<uint8_t>(x >> s));
}

void PutChunk(std::vector<uint8_t>& v, const char* type, const std::vector<uint8_t>& body) {
  PutBig32(v, static_cast<uint32_t>(body.size()));
  std::vector<uint8_t> typed(type, type + 4);
  typed.insert(typed.end(), body.begin(), body.end());
  v.insert(v.end(), typed.begin(), typed.end());
  PutBig32(v, Crc(typed.data(), typed.size()));
}

int Paeth(int a, int b, int c) {
  const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

// Each row with the filter whose output bytes, read as signed, sum smallest.
std::vector<uint8_t> Filtered(int width, int height, const std::vector<uint8_t>& rgba) {
  const size_t stride = static_cast<size_t>(width) * 4;
  std::vector<uint8_t> out;
  std::vector<uint8_t> zero(stride, 0);
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = &rgba[y * stride];
    const uint8_t* up = y > 0 ? &rgba[(y - 1) * stride] : zero.data();
    std::vector<uint8_t> best;
    long bestCost = -1;
    for (int f = 0; f < 5; ++f) {
      std::vector<uint8_t> line{static_cast<uint8_t>(f)};
      long cost = 0;
      for (size_t i = 0; i < stride; ++i) {
        const int a = i >= 4 ? row[i - 4] : 0, b = up[i], c = i >= 4 ? up[i - 4] : 0;
        const int pred = f == 0 ? 0 : f == 1 ? a : f == 2 ? b : f == 3 ? (a + b) / 2 : Paeth(a, b, c);
        const uint8_t v = static_cast<uint8_t>(row[i] - pred);
        line.push_back(v);
        cost += v < 128 ? v : 256 - v;
      }
      if (bestCost < 0 || cost < bestCost) {
        bestCost = cost;
        best = std::move(line);
      }
    }
    out.insert(out.end(), best.begin(), best.end());
  }
  return out;
}

}  // namespace

std::vector<uint8_t> Zlib(const std::vector<uint8_t>& data) {
  std::vector<uint8_t> v{0x78, 0x01};  // deflate, 32 KB window, no dictionary
  const std::vector<uint8_t> body = Deflate(data);
  v.insert(v.end(), body.begin(), body.end());
  uint32_t a = 1, b = 0;
  for (uint8_t c : data) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  PutBig32(v, (b << 16) | a);
  return v;
}

std::vector<uint8_t> Encode(int width, int height, const std::vector<uint8_t>& rgba) {
  std::vector<uint8_t> v{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  std::vector<uint8_t> ihdr;
  PutBig32(ihdr, static_cast<uint32_t>(width));
  PutBig32(ihdr, static_cast<uint32_t>(height));
  ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, adaptive filters, no interlace
  PutChunk(v, "IHDR", ihdr);
  PutChunk(v, "IDAT", Zlib(Filtered(width, height, rgba)));
  PutChunk(v, "IEND", {});
  return v;
}

}  // namespace zvpng
