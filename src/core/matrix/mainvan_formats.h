#pragma once
// The MAINVAN family of AV switchers: frames that open with xF4 and carry
// x21 after the input, which the brands of that maker and its resellers
// vary in where the input goes, how many bytes it takes and how the
// checksum is formed. Each variant is a format for the brand rows.

#include "core/matrix/brand_format.h"

namespace wall {

// xF4 b(IN) x21 b(OUT) b(ID) v c: v x00 below input 256, else x21; c the
// sum of bytes 2-6 ("MAINVAN", "HOKUTO1", "P-Video").
BrandFormat mainvanFrame();

// xF4 hi(IN) lo(IN) x21 b(OUT) x00 x00 b(ID) q c: q the block byte
// ((IN / 8 − 1) and xF8) + ((OUT / 4 − 1) and x07); c the sum of bytes 2-9
// ("MAINVAN2").
BrandFormat mainvanBlockFrame();

// xF4 b(IN − offset) x21 b(OUT) x00 x0F b(ID) c, c the sum of bytes 2-7:
// offset 0 for "MAINVAN3", 1 for "MAINVAN4" and "MAINVAN5".
BrandFormat mainvan0FFrame();
BrandFormat mainvan0FZeroBasedFrame();

// xF4 b(IN) x21 b(OUT) b(ID) x00 c x00, c the sum of bytes 2-6 exclusive-
// or x4D ("MAINVAN6", "AnDiWeiShi").
BrandFormat mainvanXorFrame();

// xF4 b(IN) x21 b(OUT) b(ID) x00 c hi(IN), c the sum of bytes 2-6 and
// hi(IN), exclusive-or x4D ("MAINVAN7"), or without the exclusive-or
// ("MAINVAN10").
BrandFormat mainvanXorHighFrame();
BrandFormat mainvanHighFrame();

// xF4 hi(IN) x21 b(OUT) b(ID) x00 c x00, c the sum of bytes 2-6
// ("MAINVAN8").
BrandFormat mainvanHighByteFrame();

// xF4 a b x21 b(OUT) b(ID) x00 x00 x00 c: a b = x00 b(IN) up to input 256,
// lo(IN) hi(IN) for 257-768; c the sum of bytes 2-9 ("MAINVAN9"). The two
// input bytes name no input above 768: such a switch is refused.
BrandFormat mainvanWideFrame();

// The highest input "MAINVAN9" can name.
inline constexpr int kMainvanWideInputs = 768;

}  // namespace wall
