#include "objects/dictionary.h"

#include "objects/dictionarytext.h"
#include "objects/regexobject.h"
#include "objects/numberformat.h"
#include "platform/toolkit/textnumber.h"

#include <QCoreApplication>

namespace {

// An entry of the text form: key, one-character kind and a nested text in braces, or key, kind and value.
// The lazy "\{.*?\}" ends at the first "}", which is why nesting deeper than one level comes apart.
constexpr char kEntryPattern[] = "([0-9a-f]+?):(\\d):(\\{.*?\\})|([0-9a-f]+?):(\\d):([0-9a-f]+)";

enum EntryGroup { NestedKey = 1, NestedKind, NestedText, Key, Kind, Value };

} // namespace

QByteArray Dictionary::toText(const QByteArray &keyText) const
{
    Path path;
    return toText(keyText, path);
}

QByteArray Dictionary::toText(const QByteArray &keyText, Path &path) const
{
    const AutomationVariant keyArray = keys();
    const AutomationVariant valueArray = items();
    path.append(m_dict.object());
    Dictionary nested;
    QByteArray text = "{";
    for (int i = 1; i <= keyArray.arrayCount(); ++i) {
        QCoreApplication::processEvents();
        const AutomationVariant value = valueArray.asVariant(i);
        text += encodeText(keyArray.asText(i), keyText) + ':' + QByteArray::number(value.kind()) + ':';
        switch (value.kind()) {
        case AutomationVariant::Bool:
            text += value.asBool() ? '1' : '0';
            break;
        case AutomationVariant::Object:
            if (path.contains(value.asObject().object())) {
                text += "{}";
            } else {
                nested.attach(value.asObject());
                text += nested.toText(keyText, path);
            }
            break;
        case AutomationVariant::NumberArray:
            text += hexEncode(encipher(value.asBytes(), keyText));
            break;
        default:
            text += encodeText(value.asText(), keyText);
        }
        text += ',';
    }
    if (text.endsWith(','))
        text.chop(1);
    path.removeLast();
    return text + '}';
}

void Dictionary::fromText(const QByteArray &text, const QByteArray &keyText)
{
    createDict();
    // The outer braces, whatever they are.
    const QByteArray entries = text.size() >= 2 ? text.sliced(1, text.size() - 2) : text;
    RegexObject reader;
    reader.compile(kEntryPattern);
    const int entryCount = reader.execute(entries);
    Dictionary nested;
    for (int m = 1; m <= entryCount; ++m) {
        QCoreApplication::processEvents();
        const auto group = [&](EntryGroup g) { return reader.subMatch(m, g); };
        const int kind = truncatedToInt(leadingNumber(group(Kind)));
        if (kind == 0 && group(NestedKind) == "5") {
            // A fresh object per nested entry: fromText starts on a new one.
            nested.fromText(group(NestedText), keyText);
            set(decodeText(group(NestedKey), keyText), nested.dictObject());
            continue;
        }
        const QByteArray key = decodeText(group(Key), keyText);
        const QByteArray value = group(Value);
        switch (kind) {
        case AutomationVariant::Date:
            set(key, AutomationVariant(decodeText(value, keyText)).asDate());
            break;
        case AutomationVariant::Bool:
            set(key, value == "1");
            break;
        case AutomationVariant::NumberArray: {
            AutomationVariant bytes;
            bytes.assign(decipher(hexDecode(value), keyText), AutomationVariant::Bytes::AsByteArray);
            set(key, bytes);
            break;
        }
        case AutomationVariant::Number:
            set(key, int(low32BitsOf(leadingNumber(decodeText(value, keyText)))));
            break;
        default:
            set(key, decodeText(value, keyText));
        }
    }
}
