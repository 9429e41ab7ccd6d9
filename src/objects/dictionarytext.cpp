#include "objects/dictionarytext.h"

#include <QCryptographicHash>

namespace {

constexpr int kModulus = 255;

int hexValue(char digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    return 0;
}

} // namespace

QByteArray cipherKey(QByteArrayView keyText)
{
    // QByteArray::toLower folds ASCII letters only, as the key needs.
    return QCryptographicHash::hash(keyText.toByteArray().toLower(), QCryptographicHash::Md5)
        .toHex()
        .toUpper();
}

QByteArray encipher(QByteArrayView bytes, QByteArrayView keyText)
{
    const QByteArray key = cipherKey(keyText);
    QByteArray result(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const int sum = uchar(bytes[i]) + uchar(key[i % key.size()]);
        result[i] = char(sum == kModulus ? kModulus : sum % kModulus);
    }
    return result;
}

QByteArray decipher(QByteArrayView bytes, QByteArrayView keyText)
{
    const QByteArray key = cipherKey(keyText);
    QByteArray result(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        result[i] = char((uchar(bytes[i]) - uchar(key[i % key.size()]) + kModulus) % kModulus);
    return result;
}

QByteArray hexEncode(QByteArrayView bytes)
{
    return bytes.toByteArray().toHex();
}

QByteArray hexDecode(QByteArrayView text)
{
    QByteArray bytes(text.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char(hexValue(text[2 * i]) * 16 + hexValue(text[2 * i + 1]));
    return bytes;
}

QByteArray encodeText(QByteArrayView text, QByteArrayView keyText)
{
    return hexEncode(encipher(text, keyText));
}

QByteArray decodeText(QByteArrayView hexText, QByteArrayView keyText)
{
    const QByteArray bytes = decipher(hexDecode(hexText), keyText);
    const qsizetype zero = bytes.indexOf('\0');
    return zero < 0 ? bytes : bytes.first(zero);
}
