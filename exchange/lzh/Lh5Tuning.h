#pragma once

namespace sorvik::lzh {

// How hard the match finder looks; the defaults balance ratio and speed.
struct Lh5Tuning
{
    int maxChain = 16;     // candidates tried per position
    int goodLength = 16;   // a previous match this long quarters the search
    int lazyLength = 32;   // a previous match this long is taken without looking further
    int niceLength = 128;  // a match this long ends the search
    int blockSymbols = 0xFFFF;
    int threads = 0;  // segments searched at once; 0 for one per processor (at most 4)
};

}  // namespace sorvik::lzh
