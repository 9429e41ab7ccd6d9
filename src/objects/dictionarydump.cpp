#include "objects/dictionary.h"

#include "objects/valuetext.h"

QByteArray Dictionary::dump(int indent) const
{
    Path path;
    return dump(indent, path);
}

QByteArray Dictionary::dump(int indent, Path &path) const
{
    const AutomationVariant keyArray = m_dict.readVariant("Keys");
    const AutomationVariant valueArray = m_dict.readVariant("Items");
    const QByteArray margin(indent, ' ');
    path.append(m_dict.object());
    Dictionary nested;
    QByteArray text = "Array(";
    for (int i = 1; i <= keyArray.arrayCount(); ++i) {
        text += "\r\n" + margin + "  " + QByteArray::number(i) + ".[" + keyArray.asText(i) + "] => ";
        const AutomationVariant value = valueArray.asVariant(i);
        switch (value.kind()) {
        case AutomationVariant::Bool:
            text += truthText(value.asBool());
            break;
        case AutomationVariant::NumberArray:
            text += byteListText(value.asBytes());
            break;
        case AutomationVariant::Object:
            if (path.contains(value.asObject().object())) {
                text += "*RECURSION*";
            } else {
                nested.attach(value.asObject());
                text += nested.dump(indent + 3, path);
            }
            break;
        default:
            text += value.asText();
        }
    }
    path.removeLast();
    return text + "\r\n" + margin + ")";
}
