#include "platform/toolkit/inifile.h"

#include "platform/toolkit/atomicfile.h"
#include "platform/toolkit/inidocument.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

// Larger files are not ours: 2,000 favourites take 500 KB. A file of a few million short keys costs some
// 25 bytes of index for each byte, and seconds to load.
constexpr qint64 kMaxFileSize = 8 * 1024 * 1024;

// The whole file, or nothing when it exists but cannot be read in full: not a regular file (a FIFO would
// block the window), too large, unreadable, or changed in size while it was read. A missing file is empty.
std::optional<QByteArray> readWholeFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QByteArray();
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize)
        return std::nullopt;
    // read() reserves all it is allowed to read, so it is allowed only the size, and one byte to tell a
    // file that grew meanwhile.
    const qint64 size = file.size();
    const QByteArray bytes = file.read(size + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() != size)
        return std::nullopt;
    return bytes;
}

} // namespace

struct IniFile::Data {
    IniDocument document;
    // False when the file exists but could not be read.
    bool readable = true;
};

IniFile::IniFile(const QString &path)
    : m_path(path)
    , m_data(std::make_unique<Data>())
{
    const std::optional<QByteArray> bytes = readWholeFile(path);
    std::optional<IniDocument> document = bytes ? IniDocument::fromFileBytes(*bytes) : std::nullopt;
    if (document)
        m_data->document = std::move(*document);
    m_data->readable = document.has_value();
}

IniFile::~IniFile() = default;

QByteArray IniFile::value(QByteArrayView section, QByteArrayView key) const
{
    return m_data->document.value(section, key);
}

bool IniFile::setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    return m_data->document.setValue(section, key, value);
}

bool IniFile::save()
{
    return m_data->readable && AtomicFile::write(m_path, m_data->document.text());
}
