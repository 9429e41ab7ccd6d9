#pragma once

// The first letter (A to Z) of the pinyin of every hanzi of GB2312's level 2, 94 per lead byte from 0xD8
// to 0xF7, each row in trail byte order from 0xA1 to 0xFE: 3,008 letters.
extern const char kGb2312Level2Initials[];
