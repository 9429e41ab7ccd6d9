#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The routines of the dictionary text form, in which every key and value is enciphered with a key text
// and written as lowercase hexadecimal.

// The 32-byte cipher key of a key text: the MD5 digest of the text with ASCII letters lower-cased, as
// uppercase hexadecimal.
QByteArray cipherKey(QByteArrayView keyText);

// Adds the cipher key's bytes, repeating it, modulo 255 (a sum of exactly 255 stays 255).
QByteArray encipher(QByteArrayView bytes, QByteArrayView keyText);

// Undoes encipher, modulo 255: every byte comes back unchanged except 255, which comes back as 0.
QByteArray decipher(QByteArrayView bytes, QByteArrayView keyText);

// Two lowercase hexadecimal digits per byte.
QByteArray hexEncode(QByteArrayView bytes);

// One byte per pair of characters, a trailing odd one ignored; a character other than 0-9 and a-f
// (upper-case letters too) counts as 0.
QByteArray hexDecode(QByteArrayView text);

// hexEncode of encipher of the text's bytes.
QByteArray encodeText(QByteArrayView text, QByteArrayView keyText);

// The text that decipher of hexDecode of the hex text gives, ending before its first zero byte.
QByteArray decodeText(QByteArrayView hexText, QByteArrayView keyText);
