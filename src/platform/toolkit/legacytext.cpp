#include "platform/toolkit/legacytext.h"

#include <unicode/ucnv.h>

#include <limits>

QByteArray gb18030ToUtf8(QByteArrayView bytes)
{
    if (bytes.isEmpty() || bytes.size() > std::numeric_limits<int32_t>::max())
        return {};
    const auto sourceLength = static_cast<int32_t>(bytes.size());
    // First pass: measure only.
    UErrorCode status = U_ZERO_ERROR;
    const int32_t needed = ucnv_convert("UTF-8", "GB18030", nullptr, 0, bytes.data(), sourceLength, &status);
    if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status))
        return {};
    QByteArray utf8(needed, Qt::Uninitialized);
    status = U_ZERO_ERROR;
    const int32_t written =
        ucnv_convert("UTF-8", "GB18030", utf8.data(), needed, bytes.data(), sourceLength, &status);
    if (U_FAILURE(status) || written != needed)
        return {};
    return utf8;
}
