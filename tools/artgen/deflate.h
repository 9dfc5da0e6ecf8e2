// A small deterministic zlib compressor (LZ77 with hash chains, fixed or dynamic Huffman
// blocks, stored blocks for data that does not shrink) for the PNG writer.
#ifndef ZORAVEL_ARTGEN_DEFLATE_H
#define ZORAVEL_ARTGEN_DEFLATE_H

#include <cstdint>
#include <vector>

// A complete zlib stream: two header bytes, deflate blocks, the Adler-32 of the data.
std::vector<uint8_t> ZlibCompress(const std::vector<uint8_t> &data);
uint32_t Adler32(const std::vector<uint8_t> &data);

#endif
