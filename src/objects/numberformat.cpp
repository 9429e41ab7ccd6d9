#include "objects/numberformat.h"

#include <charconv>
#include <cmath>
#include <cstdint>

QByteArray numberText(double number)
{
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, number, std::chars_format::general, 13);
    return error == std::errc() ? QByteArray(text, end - text) : QByteArray();
}

qint32 low32BitsOf(double number)
{
    if (!std::isfinite(number))
        return 0;
    // fmod is exact, so even numbers far beyond 64 bits keep their true low bits.
    double low = std::fmod(std::trunc(number), 4294967296.0);
    if (low < 0)
        low += 4294967296.0;
    return static_cast<qint32>(static_cast<std::uint32_t>(low));
}
