#include "platform/toolkit/charsetconversion.h"

#include <cerrno>
#include <memory>
#include <type_traits>

#include <iconv.h>

namespace {

struct IconvCloser {
    void operator()(iconv_t converter) const { iconv_close(converter); }
};
using Iconv = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

Iconv openIconv(const char *to, const char *from)
{
    const iconv_t converter = iconv_open(to, from);
    return Iconv(converter == reinterpret_cast<iconv_t>(-1) ? nullptr : converter);
}

} // namespace

std::optional<QByteArray> convertCharset(QByteArrayView text, const char *from, const char *to,
                                         QByteArrayView replacement)
{
    const Iconv converter = openIconv(to, from);
    if (!converter)
        return std::nullopt;
    QByteArray result;
    result.reserve(text.size() + text.size() / 2); // two GBK bytes are three UTF-8 bytes
    // iconv's interface is not const-correct; it only reads the input.
    char *in = const_cast<char *>(text.data());
    size_t inLeft = size_t(text.size());
    char chunk[16384];
    const auto flush = [&](char *out) { result.append(chunk, out - chunk); };
    while (inLeft > 0) {
        char *out = chunk;
        size_t outLeft = sizeof chunk;
        const size_t converted = iconv(converter.get(), &in, &inLeft, &out, &outLeft);
        flush(out);
        if (converted != size_t(-1) || errno == E2BIG)
            continue;
        if (errno != EILSEQ && errno != EINVAL)
            return std::nullopt;
        // EINVAL: the text ends inside a sequence, which is then given up as a whole.
        const size_t skipped = errno == EINVAL ? inLeft : 1;
        result.append(replacement);
        in += skipped;
        inLeft -= skipped;
    }
    // Ends a stateful charset's shift sequence.
    char *out = chunk;
    size_t outLeft = sizeof chunk;
    iconv(converter.get(), nullptr, nullptr, &out, &outLeft);
    flush(out);
    return result;
}
