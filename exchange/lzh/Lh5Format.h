#pragma once

namespace sorvik::lzh::lh5 {

// Constants of the -lh5- method: an 8 KiB dictionary and matches of 3 to 256
// bytes, coded with three static Huffman tables per block.
constexpr int kDictionaryBits = 13;
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 256;
// Distances run up to the dictionary size; one less keeps clear of decoders
// whose ring buffer is exactly 8 KiB.
constexpr int kMaxDistance = (1 << kDictionaryBits) - 1;

constexpr int kLiteralLengthSymbols = 256 + kMaxMatch - kMinMatch + 1;  // NC = 510
constexpr int kPositionSymbols = kDictionaryBits + 1;                   // NP = 14
constexpr int kPositionCountBits = 4;                                   // PBIT
constexpr int kLengthSymbols = 19;                                      // NT
constexpr int kLengthCountBits = 5;                                     // TBIT
constexpr int kLiteralCountBits = 9;                                    // CBIT
constexpr int kMaxBlockSymbols = 0xFFFF;

}  // namespace sorvik::lzh::lh5
