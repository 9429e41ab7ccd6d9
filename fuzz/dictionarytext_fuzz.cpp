// Reads any bytes as a dictionary text form and as hexadecimal text. Nothing may crash or hang, and what
// was read, written again, must read back to no more entries than it had: writing drops entries with an
// empty field and never invents one. (The entries of a nested dictionary whose own entry is dropped come
// back one level up, so the entries of both levels are counted.)

#include "objects/dictionary.h"
#include "objects/dictionarytext.h"
#include "platform/components/dictionary/dictionarycomponent.h"
#include "platform/components/regexp/regexpcomponent.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {

// The entries of a dictionary and of the dictionaries nested in it; the reader makes one level at most.
int entriesWithin(const Dictionary &dict)
{
    int entries = dict.count();
    const AutomationVariant values = dict.items();
    for (int i = 1; i <= values.arrayCount(); ++i) {
        if (values.asVariant(i).kind() == AutomationVariant::Object) {
            Dictionary nested;
            nested.attach(values.asVariant(i).asObject());
            entries += nested.count();
        }
    }
    return entries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool registered = [] {
        registerRegExpComponent();
        registerDictionaryComponent();
        return true;
    }();
    (void)registered;

    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    if (hexDecode(input).size() != input.size() / 2)
        __builtin_trap();

    Dictionary read;
    read.fromText(input);
    Dictionary again;
    again.fromText(read.toText());
    if (entriesWithin(again) > entriesWithin(read))
        __builtin_trap();
    return 0;
}
