#include "platform/components/httprequest/charsetconversion.h"

#include <cerrno>
#include <iconv.h>
#include <memory>
#include <type_traits>

namespace {

struct IconvCloser {
    void operator()(iconv_t converter) const { iconv_close(converter); }
};
using IconvHandle = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

const iconv_t kOpenFailed = reinterpret_cast<iconv_t>(-1);
constexpr char kReplacement[] = "\xEF\xBF\xBD"; // U+FFFD

IconvHandle openToUtf8(const QByteArray &charset)
{
    const iconv_t converter = iconv_open("UTF-8", charset.constData());
    return IconvHandle(converter == kOpenFailed ? nullptr : converter);
}

} // namespace

std::optional<QByteArray> charsetToUtf8(QByteArrayView text, const QByteArray &charset)
{
    const IconvHandle converter = openToUtf8(charset);
    if (!converter)
        return std::nullopt;
    QByteArray utf8;
    utf8.reserve(text.size());
    // iconv takes a non-const input pointer but never writes through it.
    char *in = const_cast<char *>(text.data());
    size_t inLeft = static_cast<size_t>(text.size());
    char buffer[4096];
    while (inLeft > 0) {
        char *out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t result = iconv(converter.get(), &in, &inLeft, &out, &outLeft);
        utf8.append(buffer, out - buffer);
        // E2BIG only asks for room; EILSEQ is a byte that starts no character, EINVAL a character cut short
        // at the end.
        if (result == static_cast<size_t>(-1) && errno != E2BIG) {
            utf8.append(kReplacement);
            ++in;
            --inLeft;
        }
    }
    // Ends a stateful encoding's shift sequence.
    char *out = buffer;
    size_t outLeft = sizeof buffer;
    iconv(converter.get(), nullptr, nullptr, &out, &outLeft);
    utf8.append(buffer, out - buffer);
    return utf8;
}
