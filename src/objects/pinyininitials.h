#pragma once

// The first letter, upper case, of the pinyin of the GB2312 hanzi with these two bytes; 0 when the pair
// is no GB2312 hanzi (lead byte outside 0xB0 to 0xF7, trail byte outside 0xA1 to 0xFE, or one of the five
// empty codes 0xD7FA to 0xD7FE).
char pinyinInitial(unsigned char lead, unsigned char trail);
