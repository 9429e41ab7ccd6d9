#pragma once

#include <QByteArray>

// The number sortByKey orders a key by. It is worked out on the key's GB18030 bytes:
// - a numeric key (one that "%.13g" of its own number gives back) yields its byte codes, a non-digit
//   counting 11, as "49." + "048" + ..., so "10" gives 49.048 and "9" gives 57;
// - any other key yields, for each byte, its code after upper-casing a to z when it is a digit or an
//   upper-case letter, else 100 + the code of the pinyin initial of the GB2312 hanzi that byte starts
//   with the next one, skipping bytes that start none; the first position gives "65." and later ones
//   three digits each, so letters sort before hanzi and hanzi by their pinyin's first letter.
// Every byte is a position of its own, a hanzi's second byte too. Empty digits give 0.
double keySortNumber(const QByteArray &key);
