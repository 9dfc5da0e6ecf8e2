// A small deterministic zlib compressor for the PNG writer. Matches come from hash chains with
// one step of lazy matching; each block is written stored, fixed or dynamic, whichever is shortest.
#include "deflate.h"

#include <algorithm>

namespace {

using Bytes = std::vector<uint8_t>;

const int kWindow = 32768;
const int kMinMatch = 3;
const int kMaxMatch = 258;
const int kHashBits = 15;
const int kHashSize = 1 << kHashBits;
const int kMaxChain = 96;    // candidates tried per position: ratio against time
const int kGoodEnough = 128; // a match this long is not worth a lazy second look
const int kBlockTokens = 16384;
const int kMaxStored = 65535;

const int kLitLenCodes = 286;
const int kFixedLitCodes = 288;
const int kDistCodes = 30;
const int kEndOfBlock = 256;
const int kCodeLenCodes = 19;
const int kMaxCodeBits = 15;
const int kMaxCodeLenBit = 7;

const int kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                             31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
const int kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
const int kDistBase[30] = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                           33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                           1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
const int kDistExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                            6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
// Order in which the code-length code lengths are sent.
const int kCodeLenOrder[kCodeLenCodes] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

// A literal (distance 0, length the byte) or a back reference.
struct Token {
    uint16_t length;
    uint16_t distance;
};

int LengthCode(int length)
{
    int code = 28;
    while (kLengthBase[code] > length)
        --code;
    return code;
}

int DistCode(int distance)
{
    int code = kDistCodes - 1;
    while (kDistBase[code] > distance)
        --code;
    return code;
}

struct BitWriter {
    Bytes out;
    uint32_t buffer = 0;
    int count = 0;
};

void PutBits(BitWriter &w, uint32_t value, int bits)
{
    w.buffer |= value << w.count;
    w.count += bits;
    while (w.count >= 8) {
        w.out.push_back(static_cast<uint8_t>(w.buffer));
        w.buffer >>= 8;
        w.count -= 8;
    }
}

void AlignToByte(BitWriter &w)
{
    if (w.count > 0)
        PutBits(w, 0, 8 - w.count);
}

// Huffman codes are sent from their most significant bit, the bit writer fills from the least.
uint32_t Reversed(uint32_t code, int bits)
{
    uint32_t r = 0;
    for (int i = 0; i < bits; ++i)
        r |= ((code >> i) & 1u) << (bits - 1 - i);
    return r;
}

struct Code {
    std::vector<int> lengths;
    std::vector<uint32_t> bits; // already reversed for the bit writer
};

void PutSymbol(BitWriter &w, const Code &code, int symbol)
{
    PutBits(w, code.bits[static_cast<size_t>(symbol)], code.lengths[static_cast<size_t>(symbol)]);
}

Code CanonicalCode(const std::vector<int> &lengths)
{
    int count[kMaxCodeBits + 1] = {};
    for (int l : lengths)
        ++count[l];
    count[0] = 0;
    uint32_t next[kMaxCodeBits + 1] = {};
    uint32_t code = 0;
    for (int bits = 1; bits <= kMaxCodeBits; ++bits) {
        code = (code + static_cast<uint32_t>(count[bits - 1])) << 1;
        next[bits] = code;
    }
    Code c{lengths, std::vector<uint32_t>(lengths.size(), 0)};
    for (size_t i = 0; i < lengths.size(); ++i)
        if (lengths[i] != 0)
            c.bits[i] = Reversed(next[lengths[i]]++, lengths[i]);
    return c;
}

// Huffman code lengths no longer than limit. Two queues over leaves sorted by (weight, symbol)
// keep the tree deterministic; when it grows too deep the weights are flattened and it is rebuilt.
std::vector<int> CodeLengths(std::vector<uint32_t> freq, int limit)
{
    const size_t n = freq.size();
    std::vector<int> lengths(n, 0);
    for (;;) {
        std::vector<int> leaves;
        for (size_t i = 0; i < n; ++i)
            if (freq[i] != 0)
                leaves.push_back(static_cast<int>(i));
        if (leaves.empty())
            return lengths;
        if (leaves.size() == 1) {
            lengths[static_cast<size_t>(leaves[0])] = 1;
            return lengths;
        }
        std::stable_sort(leaves.begin(), leaves.end(), [&](int a, int b) { return freq[a] < freq[b]; });
        // Nodes 0..leaves-1 are the leaves in sorted order, then the merged nodes in creation order.
        std::vector<uint64_t> weight;
        for (int s : leaves)
            weight.push_back(freq[static_cast<size_t>(s)]);
        std::vector<size_t> parent(leaves.size() * 2 - 1, 0);
        size_t leafAt = 0, nodeAt = leaves.size();
        auto takeSmallest = [&]() {
            if (leafAt < leaves.size() && (nodeAt >= weight.size() || weight[leafAt] <= weight[nodeAt]))
                return leafAt++;
            return nodeAt++;
        };
        while (weight.size() < parent.size()) {
            const size_t a = takeSmallest(), b = takeSmallest();
            parent[a] = parent[b] = weight.size();
            weight.push_back(weight[a] + weight[b]);
        }
        // Depth of every node, walking from the root (the last node) down.
        std::vector<int> depth(parent.size(), 0);
        int deepest = 0;
        for (size_t i = parent.size() - 1; i-- > 0;) {
            depth[i] = depth[parent[i]] + 1;
            if (i < leaves.size())
                deepest = std::max(deepest, depth[i]);
        }
        if (deepest <= limit) {
            for (size_t i = 0; i < leaves.size(); ++i)
                lengths[static_cast<size_t>(leaves[i])] = depth[i];
            return lengths;
        }
        for (uint32_t &f : freq)
            if (f != 0)
                f = f / 2 + 1;
    }
}

// A decoder needs at least two codes in a tree to read it as complete.
void KeepTwoSymbols(std::vector<uint32_t> &freq)
{
    int used = 0;
    for (uint32_t f : freq)
        used += f != 0;
    for (size_t i = 0; used < 2 && i < freq.size(); ++i)
        if (freq[i] == 0) {
            freq[i] = 1;
            ++used;
        }
}

struct Frequencies {
    std::vector<uint32_t> litLen = std::vector<uint32_t>(kLitLenCodes, 0);
    std::vector<uint32_t> dist = std::vector<uint32_t>(kDistCodes, 0);
};

Frequencies Count(const std::vector<Token> &tokens)
{
    Frequencies f;
    for (const Token &t : tokens) {
        if (t.distance == 0) {
            ++f.litLen[t.length];
        } else {
            ++f.litLen[static_cast<size_t>(257 + LengthCode(t.length))];
            ++f.dist[static_cast<size_t>(DistCode(t.distance))];
        }
    }
    f.litLen[kEndOfBlock] = 1;
    return f;
}

uint64_t DataBits(const Frequencies &f, const std::vector<int> &litLen, const std::vector<int> &dist)
{
    uint64_t bits = 0;
    for (int i = 0; i < kLitLenCodes; ++i) {
        bits += static_cast<uint64_t>(f.litLen[static_cast<size_t>(i)]) * litLen[static_cast<size_t>(i)];
        if (i > kEndOfBlock)
            bits += static_cast<uint64_t>(f.litLen[static_cast<size_t>(i)]) * kLengthExtra[i - 257];
    }
    for (int i = 0; i < kDistCodes; ++i)
        bits += static_cast<uint64_t>(f.dist[static_cast<size_t>(i)]) *
                static_cast<uint64_t>(dist[static_cast<size_t>(i)] + kDistExtra[i]);
    return bits;
}

// The run-length coded list of code lengths of a dynamic block: symbol and extra bits.
struct LengthRun {
    int symbol, extra, extraBits;
};

std::vector<LengthRun> RunLengths(const std::vector<int> &all)
{
    std::vector<LengthRun> runs;
    size_t i = 0;
    while (i < all.size()) {
        const int l = all[i];
        size_t run = 1;
        while (i + run < all.size() && all[i + run] == l)
            ++run;
        i += run;
        if (l == 0) {
            while (run >= 11) {
                const size_t r = std::min<size_t>(run, 138);
                runs.push_back({18, static_cast<int>(r - 11), 7});
                run -= r;
            }
            if (run >= 3) {
                runs.push_back({17, static_cast<int>(run - 3), 3});
                run = 0;
            }
        } else {
            runs.push_back({l, 0, 0});
            --run;
            while (run >= 3) {
                const size_t r = std::min<size_t>(run, 6);
                runs.push_back({16, static_cast<int>(r - 3), 2});
                run -= r;
            }
        }
        for (; run > 0; --run)
            runs.push_back({l, 0, 0});
    }
    return runs;
}

struct DynamicHeader {
    Code litLen, dist, codeLen;
    int hlit = 0, hdist = 0, hclen = 0;
    std::vector<LengthRun> runs;
    uint64_t bits = 0;
};

DynamicHeader PlanDynamic(Frequencies f)
{
    KeepTwoSymbols(f.litLen);
    KeepTwoSymbols(f.dist);
    DynamicHeader h;
    h.litLen = CanonicalCode(CodeLengths(f.litLen, kMaxCodeBits));
    h.dist = CanonicalCode(CodeLengths(f.dist, kMaxCodeBits));
    h.hlit = kLitLenCodes;
    while (h.hlit > 257 && h.litLen.lengths[static_cast<size_t>(h.hlit - 1)] == 0)
        --h.hlit;
    h.hdist = kDistCodes;
    while (h.hdist > 1 && h.dist.lengths[static_cast<size_t>(h.hdist - 1)] == 0)
        --h.hdist;
    std::vector<int> all(h.litLen.lengths.begin(), h.litLen.lengths.begin() + h.hlit);
    all.insert(all.end(), h.dist.lengths.begin(), h.dist.lengths.begin() + h.hdist);
    h.runs = RunLengths(all);
    std::vector<uint32_t> clFreq(kCodeLenCodes, 0);
    for (const LengthRun &r : h.runs)
        ++clFreq[static_cast<size_t>(r.symbol)];
    KeepTwoSymbols(clFreq);
    h.codeLen = CanonicalCode(CodeLengths(clFreq, kMaxCodeLenBit));
    h.hclen = kCodeLenCodes;
    while (h.hclen > 4 && h.codeLen.lengths[static_cast<size_t>(kCodeLenOrder[h.hclen - 1])] == 0)
        --h.hclen;
    h.bits = 5 + 5 + 4 + 3 * static_cast<uint64_t>(h.hclen);
    for (const LengthRun &r : h.runs)
        h.bits += static_cast<uint64_t>(h.codeLen.lengths[static_cast<size_t>(r.symbol)] + r.extraBits);
    h.bits += DataBits(f, h.litLen.lengths, h.dist.lengths);
    return h;
}

const Code &FixedLitLen()
{
    static const Code code = [] {
        std::vector<int> lengths(kFixedLitCodes, 8);
        std::fill(lengths.begin() + 144, lengths.begin() + 256, 9);
        std::fill(lengths.begin() + 256, lengths.begin() + 280, 7);
        return CanonicalCode(lengths);
    }();
    return code;
}

const Code &FixedDist()
{
    static const Code code = CanonicalCode(std::vector<int>(kDistCodes, 5));
    return code;
}

void PutTokens(BitWriter &w, const std::vector<Token> &tokens, const Code &litLen, const Code &dist)
{
    for (const Token &t : tokens) {
        if (t.distance == 0) {
            PutSymbol(w, litLen, t.length);
            continue;
        }
        const int lc = LengthCode(t.length), dc = DistCode(t.distance);
        PutSymbol(w, litLen, 257 + lc);
        PutBits(w, static_cast<uint32_t>(t.length - kLengthBase[lc]), kLengthExtra[lc]);
        PutSymbol(w, dist, dc);
        PutBits(w, static_cast<uint32_t>(t.distance - kDistBase[dc]), kDistExtra[dc]);
    }
    PutSymbol(w, litLen, kEndOfBlock);
}

void PutStored(BitWriter &w, const uint8_t *data, size_t size, bool last)
{
    size_t at = 0;
    do {
        const size_t length = std::min<size_t>(kMaxStored, size - at);
        const bool final = last && at + length == size;
        PutBits(w, final ? 1u : 0u, 3);
        AlignToByte(w);
        PutBits(w, static_cast<uint32_t>(length), 16);
        PutBits(w, static_cast<uint32_t>(~length & 0xFFFF), 16);
        w.out.insert(w.out.end(), data + at, data + at + length);
        at += length;
    } while (at < size);
}

void PutBlock(BitWriter &w, const std::vector<Token> &tokens, const uint8_t *raw, size_t rawSize, bool last)
{
    const Frequencies f = Count(tokens);
    const DynamicHeader h = PlanDynamic(f);
    const uint64_t fixedBits = DataBits(f, FixedLitLen().lengths, FixedDist().lengths);
    const uint64_t storedBits = (rawSize + 5 * (rawSize / kMaxStored + 1)) * 8 + 7;
    if (storedBits < fixedBits && storedBits < h.bits) {
        PutStored(w, raw, rawSize, last);
        return;
    }
    if (fixedBits <= h.bits) {
        PutBits(w, last ? 1u : 0u, 1);
        PutBits(w, 1, 2);
        PutTokens(w, tokens, FixedLitLen(), FixedDist());
        return;
    }
    PutBits(w, last ? 1u : 0u, 1);
    PutBits(w, 2, 2);
    PutBits(w, static_cast<uint32_t>(h.hlit - 257), 5);
    PutBits(w, static_cast<uint32_t>(h.hdist - 1), 5);
    PutBits(w, static_cast<uint32_t>(h.hclen - 4), 4);
    for (int i = 0; i < h.hclen; ++i)
        PutBits(w, static_cast<uint32_t>(h.codeLen.lengths[static_cast<size_t>(kCodeLenOrder[i])]), 3);
    for (const LengthRun &r : h.runs) {
        PutSymbol(w, h.codeLen, r.symbol);
        PutBits(w, static_cast<uint32_t>(r.extra), r.extraBits);
    }
    PutTokens(w, tokens, h.litLen, h.dist);
}

// Hash chains over the last window of positions.
struct Matcher {
    const Bytes &data;
    std::vector<int> head = std::vector<int>(kHashSize, -1);
    std::vector<int> prev = std::vector<int>(kWindow, -1);
    size_t inserted = 0; // positions below this are in the chains
};

uint32_t HashAt(const Bytes &d, size_t p)
{
    return ((static_cast<uint32_t>(d[p]) << 10) ^ (static_cast<uint32_t>(d[p + 1]) << 5) ^ d[p + 2]) &
           (kHashSize - 1);
}

void InsertUpTo(Matcher &m, size_t end)
{
    for (; m.inserted < end; ++m.inserted) {
        if (m.inserted + kMinMatch > m.data.size())
            continue;
        const uint32_t h = HashAt(m.data, m.inserted);
        m.prev[m.inserted & (kWindow - 1)] = m.head[h];
        m.head[h] = static_cast<int>(m.inserted);
    }
}

// Longest earlier match at pos; every position before pos must be in the chains.
Token LongestMatch(const Matcher &m, size_t pos)
{
    const Bytes &d = m.data;
    Token best{0, 0};
    if (pos + kMinMatch > d.size())
        return best;
    const size_t limit = std::min<size_t>(kMaxMatch, d.size() - pos);
    int candidate = m.head[HashAt(d, pos)];
    for (int chain = kMaxChain; candidate >= 0 && chain > 0; --chain) {
        const size_t c = static_cast<size_t>(candidate);
        if (pos - c > static_cast<size_t>(kWindow))
            break;
        if (d[c + best.length] == d[pos + best.length]) {
            size_t length = 0;
            while (length < limit && d[c + length] == d[pos + length])
                ++length;
            if (length > best.length) {
                best = {static_cast<uint16_t>(length), static_cast<uint16_t>(pos - c)};
                if (length == limit)
                    break;
            }
        }
        candidate = m.prev[c & (kWindow - 1)];
    }
    if (best.length < kMinMatch)
        best = {0, 0};
    return best;
}

} // namespace

uint32_t Adler32(const std::vector<uint8_t> &data)
{
    const uint32_t kModulus = 65521;
    uint32_t a = 1, b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % kModulus;
        b = (b + a) % kModulus;
    }
    return b << 16 | a;
}

std::vector<uint8_t> ZlibCompress(const std::vector<uint8_t> &data)
{
    BitWriter w;
    w.out = {0x78, 0x9C}; // deflate with a 32 KiB window, default level
    Matcher m{data};
    std::vector<Token> tokens;
    size_t pos = 0, blockStart = 0;
    do {
        while (pos < data.size() && tokens.size() < static_cast<size_t>(kBlockTokens)) {
            InsertUpTo(m, pos);
            Token match = LongestMatch(m, pos);
            if (match.length != 0 && match.length < kGoodEnough) {
                // A longer match one byte later is worth a literal now.
                InsertUpTo(m, pos + 1);
                if (LongestMatch(m, pos + 1).length > match.length)
                    match = {0, 0};
            }
            if (match.length == 0) {
                tokens.push_back({data[pos], 0});
                ++pos;
            } else {
                tokens.push_back(match);
                pos += match.length;
            }
        }
        PutBlock(w, tokens, data.data() + blockStart, pos - blockStart, pos == data.size());
        tokens.clear();
        blockStart = pos;
    } while (pos < data.size());
    AlignToByte(w);
    const uint32_t adler = Adler32(data);
    for (int shift = 24; shift >= 0; shift -= 8)
        w.out.push_back(static_cast<uint8_t>(adler >> shift));
    return w.out;
}
