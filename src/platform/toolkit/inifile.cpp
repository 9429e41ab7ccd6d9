#include "platform/toolkit/inifile.h"

#include "platform/toolkit/atomicfile.h"
#include "platform/toolkit/legacytext.h"

#include <QFile>

// The converter Debian's libsimpleini is built with; the header's default one needs a file Debian does
// not ship. The narrow class we use converts nothing either way: our text is UTF-8 bytes already.
#define SI_CONVERT_ICU
#include <SimpleIni.h>

#include <string>

namespace {

// Larger files are not ours; reading them would only cost memory.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

// Invalid UTF-8 in one value would make the whole file read as GBK next time; line breaks would let a
// value (a song title from the network, say) add lines of its own to the file.
QByteArray storableText(QByteArrayView text)
{
    QByteArray utf8 = QString::fromUtf8(text).toUtf8();
    utf8.replace('\r', ' ').replace('\n', ' ');
    return utf8;
}

bool hasLineBreak(QByteArrayView name)
{
    return name.contains('\r') || name.contains('\n');
}

bool isStorableSection(QByteArrayView section)
{
    return !hasLineBreak(section) && !section.contains(']');
}

// A key must read back as that key: not empty, not taken for a comment or a section, no "=".
bool isStorableKey(QByteArrayView key)
{
    return !key.isEmpty() && !hasLineBreak(key) && !key.contains('=') && !key.startsWith(';') &&
           !key.startsWith('#') && !key.startsWith('[');
}

} // namespace

struct IniFile::Data {
    Data() { ini.SetSpaces(false); } // "key=value", as the Windows profile functions write
    CSimpleIniA ini{/*a_bIsUtf8=*/true};
    // False when the file exists but could not be read.
    bool readable = true;
};

IniFile::IniFile(const QString &path)
    : m_path(path)
    , m_data(std::make_unique<Data>())
{
    QFile file(path);
    if (!file.exists())
        return;
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(kMaxFileSize + 1);
    if (!file.isOpen() || file.error() != QFileDevice::NoError || bytes.size() > kMaxFileSize) {
        m_data->readable = false;
        return;
    }
    // SimpleIni takes GBK bytes without complaint and then matches no UTF-8 name: convert first.
    if (!QByteArrayView(bytes).isValidUtf8())
        bytes = gb18030ToUtf8(bytes);
    m_data->readable = m_data->ini.LoadData(bytes.constData(), static_cast<size_t>(bytes.size())) >= 0;
}

IniFile::~IniFile() = default;

QByteArray IniFile::value(QByteArrayView section, QByteArrayView key) const
{
    return QByteArray(
        m_data->ini.GetValue(section.toByteArray().constData(), key.toByteArray().constData(), ""));
}

bool IniFile::setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    if (!isStorableSection(section) || !isStorableKey(key))
        return false;
    return m_data->ini.SetValue(storableText(section).constData(), storableText(key).constData(),
                                storableText(value).constData()) >= 0;
}

bool IniFile::save()
{
    if (!m_data->readable)
        return false;
    std::string text;
    if (m_data->ini.Save(text, /*a_bAddSignature=*/false) < 0)
        return false;
    return AtomicFile::write(m_path, QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}
