// What the radio does with a service answer: a field cut out between two markers, then its JSON string
// escapes decoded. Beyond not crashing: a cut is text that stood between the markers, and decoding only
// ever shortens text, keeps UTF-8 valid and leaves text without escapes as it is.
#include "radio/cutbetween.h"
#include "radio/jsonstring.h"

#include <QByteArray>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

QByteArray withQuotes(QByteArray marker)
{
    return marker.replace("#引号", "\"");
}

void checkCut(const QByteArray &text, const QByteArray &left, const QByteArray &right, const QByteArray &cut,
              bool ignoreCase)
{
    if (cut.isEmpty())
        return;
    const QByteArray around = withQuotes(left) + cut + withQuotes(right);
    require(ignoreCase ? text.toLower().contains(around.toLower()) : text.contains(around));
}

void checkDecoding(const QByteArray &content)
{
    const QByteArray decodedContent = decodeJsonString(content);
    require(decodedContent.size() <= content.size());
    require(!content.isValidUtf8() || decodedContent.isValidUtf8());
    require(content.contains('\\') || decodedContent == content);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider input(bytes, size);
    const qsizetype start = input.ConsumeIntegral<int32_t>();
    const bool ignoreCase = input.ConsumeBool();
    const QByteArray left = QByteArray::fromStdString(input.ConsumeRandomLengthString(24));
    const QByteArray right = QByteArray::fromStdString(input.ConsumeRandomLengthString(24));
    const QByteArray text = QByteArray::fromStdString(input.ConsumeRemainingBytesAsString());

    const QByteArray cut = cutBetween(text, left, right, start, ignoreCase);
    checkCut(text, left, right, cut, ignoreCase);
    checkDecoding(cut);
    checkDecoding(text);
    return 0;
}
