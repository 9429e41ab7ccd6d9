#include "platform/toolkit/legacytext.h"

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

constexpr QByteArrayView kReplacementCharacter("\xEF\xBF\xBD");

} // namespace

QByteArray gb18030ToUtf8(QByteArrayView bytes)
{
    const Iconv converter = openIconv("UTF-8", "GB18030");
    if (bytes.isEmpty() || !converter)
        return {};
    QByteArray utf8;
    utf8.reserve(bytes.size() + bytes.size() / 2); // two GBK bytes are three UTF-8 bytes
    // iconv's interface is not const-correct; it only reads the input.
    char *in = const_cast<char *>(bytes.data());
    size_t inLeft = size_t(bytes.size());
    char chunk[16384];
    while (inLeft > 0) {
        char *out = chunk;
        size_t outLeft = sizeof chunk;
        const size_t converted = iconv(converter.get(), &in, &inLeft, &out, &outLeft);
        utf8.append(chunk, out - chunk);
        if (converted != size_t(-1) || errno == E2BIG)
            continue;
        if (errno != EILSEQ && errno != EINVAL)
            return {};
        // EINVAL: the text ends inside a sequence, which is then given up as a whole.
        const size_t skipped = errno == EINVAL ? inLeft : 1;
        utf8.append(kReplacementCharacter);
        in += skipped;
        inLeft -= skipped;
    }
    return utf8;
}
