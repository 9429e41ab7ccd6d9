#include "platform/toolkit/legacytext.h"

#include <unicode/ucnv.h>

#include <limits>

namespace {

QByteArray converted(const char *to, const char *from, QByteArrayView bytes)
{
    if (bytes.isEmpty() || bytes.size() > std::numeric_limits<int32_t>::max())
        return {};
    const auto sourceLength = static_cast<int32_t>(bytes.size());
    // First pass: measure only.
    UErrorCode status = U_ZERO_ERROR;
    const int32_t needed = ucnv_convert(to, from, nullptr, 0, bytes.data(), sourceLength, &status);
    if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status))
        return {};
    QByteArray result(needed, Qt::Uninitialized);
    status = U_ZERO_ERROR;
    const int32_t written =
        ucnv_convert(to, from, result.data(), needed, bytes.data(), sourceLength, &status);
    if (U_FAILURE(status) || written != needed)
        return {};
    return result;
}

} // namespace

QByteArray gb18030ToUtf8(QByteArrayView bytes)
{
    return converted("UTF-8", "GB18030", bytes);
}

QByteArray utf8ToGb18030(QByteArrayView utf8)
{
    return converted("GB18030", "UTF-8", utf8);
}
