#include "platform/toolkit/inifile.h"
#include "platform/toolkit/atomicfile.h"
#include "platform/toolkit/inivalue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <optional>

#include <sys/stat.h>

namespace {

// A literal that may hold NUL bytes, without its terminating one.
template <qsizetype N> QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

class IniFileTest : public testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("settings.ini")); }

    void writeRaw(const QByteArray &bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray readRaw() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList directoryEntries() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir m_dir;
};

struct ReadCase {
    const char *name;
    std::optional<QByteArray> file; // nullopt: no file at all
    QByteArray section;
    QByteArray key;
    QByteArray expected;
};

TEST_F(IniFileTest, ReadsValues)
{
    const QByteArray gbkFile = "[GECI]\r\n\xD7\xD6\xCC\xE5=\xB8\xE8\xB4\xCA\r\n"; // 字体=歌词 in GBK
    const ReadCase cases[] = {
        {"missing file", std::nullopt, "GECI", "a", ""},
        {"missing key", "[GECI]\na=1\n", "GECI", "b", ""},
        {"missing section", "[GECI]\na=1\n", "Rect", "a", ""},
        {"names in any case", "[GECI]\nRows=12\n", "geci", "ROWS", "12"},
        {"CRLF lines", "[Rect]\r\nRows=3\r\nCols=8\r\n", "Rect", "Rows", "3"},
        {"spaces around the equals sign", "[Rect]\nRows = 3 \n", "Rect", "Rows", "3"},
        {"UTF-8 with a byte order mark", "\xEF\xBB\xBF[GECI]\n字体=歌词\n", "GECI", "字体", "歌词"},
        {"GBK file", gbkFile, "GECI", "字体", "歌词"},
        {"a second key of the GBK file", gbkFile + "Rows=5\r\n", "GECI", "rows", "5"},
        {"first of two equal keys", "[GECI]\na=1\nA=2\n", "GECI", "a", "1"},
        {"key in a second block of the section", "[GECI]\na=1\n[X]\n[geci]\nb=2\n", "GECI", "b", "2"},
        {"header without its ]", "[GECI\nk=12\n", "GECI", "k", "12"},
        {"lines after a NUL byte", bytes("[GECI]\nk=1\n\0\n[X]\ny=2\n"), "X", "y", "2"},
        {"NUL bytes before a header", bytes("\0\0[X]\ny=2\n"), "X", "y", "2"},
        {"NUL bytes after a value", bytes("[X]\ny=2\0\0\n"), "X", "y", "2"},
        {"lone CR lines", "[X]\ry=2\r", "X", "y", "2"},
        {"byte order mark inside joined files", "[X]\nk=1\n\xEF\xBB\xBF[GECI]\ny=2\n", "GECI", "y", "2"},
        {"comment is no key", "[X]\n;y=2\n", "X", ";y", ""},
    };
    for (const ReadCase &test : cases) {
        SCOPED_TRACE(test.name);
        QFile::remove(path());
        if (test.file)
            writeRaw(*test.file);
        EXPECT_EQ(readIniValue(path(), test.section, test.key), test.expected);
        EXPECT_EQ(IniFile(path()).value(test.section, test.key), test.expected);
    }
}

struct WriteCase {
    const char *name;
    std::optional<QByteArray> file;
    QByteArray section;
    QByteArray key;
    QByteArray value;
    QByteArray expected;
};

TEST_F(IniFileTest, WritesValues)
{
    const WriteCase cases[] = {
        {"new file", std::nullopt, "GECI", "字体大小", "3", "[GECI]\n字体大小=3\n"},
        {"update keeps the line's place and spelling", "[Rect]\nRows=1\nCols=8\n", "RECT", "rows", "2",
         "[Rect]\nRows=2\nCols=8\n"},
        {"new key after the last key of its section", "[Rect]\nRows=1\n; rows\n\n[Cols]\nWidth0=90\n", "Rect",
         "Cols", "8", "[Rect]\nRows=1\nCols=8\n; rows\n\n[Cols]\nWidth0=90\n"},
        {"new section at the end of the file", "[Rect]\nRows=1\n", "0", "0", "Song",
         "[Rect]\nRows=1\n\n[0]\n0=Song\n"},
        {"no second blank line before a new section", "[Rect]\nRows=1\n; end\n\n", "0", "0", "Song",
         "[Rect]\nRows=1\n; end\n\n[0]\n0=Song\n"},
        {"key before the first section", "[Rect]\nRows=1\n", "", "top", "1", "top=1\n[Rect]\nRows=1\n"},
        {"CRLF file written with LF", "[Rect]\r\nRows=1\r\n", "Rect", "Cols", "8",
         "[Rect]\nRows=1\nCols=8\n"},
        {"byte order marks dropped", "\xEF\xBB\xBF\xEF\xBB\xBF[GECI]\na=1\n", "GECI", "a", "2",
         "[GECI]\na=2\n"},
        {"GBK file saved as UTF-8", "[GECI]\r\n\xD7\xD6\xCC\xE5=\xB8\xE8\xB4\xCA\r\n", "GECI", "b", "真",
         "[GECI]\n字体=歌词\nb=真\n"},
        {"line breaks in a value cannot add lines", std::nullopt, "0", "0", "x\r\n[Rect]\nRows=99",
         "[0]\n0=x  [Rect] Rows=99\n"},
        {"invalid UTF-8 in a value keeps the file UTF-8", "[0]\n0=歌词\n", "0", "1", "a\xFF",
         "[0]\n0=歌词\n1=a\xEF\xBF\xBD\n"},
        {"blanks around a value are not kept", std::nullopt, "0", "0", " \tSong \t", "[0]\n0=Song\n"},
        {"every other line kept", "; look\n[GECI]\nk=1\ngarbage\n=x\nK=2\n[GECI]\nk=3\n# end", "GECI", "k",
         "4", "; look\n[GECI]\nk=4\ngarbage\n=x\nK=2\n[GECI]\nk=3\n# end\n"},
        {"a NUL byte eats no line", bytes("[GECI]\nk=1\n\0\n[X]\ny=2\n"), "GECI", "k", "3",
         bytes("[GECI]\nk=3\n\0\n[X]\ny=2\n")},
        {"header without its ] is kept as it is", "[GECI\nk=12", "GECI", "k", "12", "[GECI\nk=12\n"},
    };
    for (const WriteCase &test : cases) {
        SCOPED_TRACE(test.name);
        QFile::remove(path());
        if (test.file)
            writeRaw(*test.file);
        EXPECT_TRUE(writeIniValue(path(), test.section, test.key, test.value));
        EXPECT_EQ(readRaw(), test.expected);
    }
}

TEST_F(IniFileTest, ManyValuesInOneSave)
{
    IniFile file(path());
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 8; ++column)
            ASSERT_TRUE(file.setValue(QByteArray::number(row), QByteArray::number(column),
                                      "cell " + QByteArray::number(row * 10 + column)));
    ASSERT_TRUE(file.save());

    const IniFile reloaded(path());
    EXPECT_EQ(reloaded.value("2", "7"), "cell 27");
    EXPECT_EQ(readRaw().count('\n'), 3 * 9 + 2); // a header and 8 keys per section, blank lines between
}

TEST_F(IniFileTest, RefusesNamesThatWouldNotReadBack)
{
    const std::pair<QByteArray, QByteArray> names[] = {
        {"GECI", ""},       {"GECI", "a=b"},    {"GECI", "a\nb"},  {"GECI", ";a"},
        {"GECI", "#a"},     {"GECI", "[a"},     {"a]b", "k"},      {"a\r\nb", "k"},
        {"GECI", " k"},     {"GECI", "k\t"},    {"GECI", "  "},    {"GECI", " ;x"},
        {"GECI", "\t[x]"},  {" GECI", "k"},     {"GECI ", "k"},    {"GECI", "\xFF"},
        {"\xD7\xD6", "k"}, {"GECI", bytes("a\0b")}, {bytes("G\0"), "k"}, {"GECI", "\xEF\xBB\xBFk"},
    };
    for (const auto &[section, key] : names) {
        SCOPED_TRACE((section + " / " + key).constData());
        EXPECT_FALSE(writeIniValue(path(), section, key, "1"));
    }
    EXPECT_FALSE(writeIniValue(path(), "GECI", "k", bytes("1\0002"))); // not cut at the NUL
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(IniFileTest, AcceptedNamesReadBack)
{
    const std::pair<QByteArray, QByteArray> names[] = {
        {"GECI", "a b"}, {"a b", "k"},        {"GECI", "k;"}, {"GECI", "k]"},
        {"[GECI", "k"},  {"歌词", "字体"}, {"", "k"},
    };
    IniFile file(path());
    for (const auto &[section, key] : names)
        ASSERT_TRUE(file.setValue(section, key, section + "/" + key)) << (section + "/" + key).constData();
    ASSERT_TRUE(file.save());
    const IniFile reloaded(path());
    for (const auto &[section, key] : names)
        EXPECT_EQ(reloaded.value(section, key), section + "/" + key);
}

TEST_F(IniFileTest, RepeatedSavesDoNotGrowTheFile)
{
    for (const QByteArray &file : {QByteArray("[GECI\nk=12\n"), bytes("k=1\n\0\0\n[GECI]\r\nk=1\r\n")}) {
        writeRaw(file);
        ASSERT_TRUE(writeIniValue(path(), "GECI", "k", "12"));
        const QByteArray once = readRaw();
        for (int save = 0; save < 3; ++save)
            ASSERT_TRUE(writeIniValue(path(), "GECI", "k", "12"));
        EXPECT_EQ(readRaw(), once);
        EXPECT_EQ(readIniValue(path(), "GECI", "k"), "12");
    }
}

TEST_F(IniFileTest, SaveMakesTheDirectory)
{
    const QString nested = m_dir.filePath(QStringLiteral("a/b/settings.ini"));
    EXPECT_TRUE(writeIniValue(nested, "GECI", "a", "1"));
    EXPECT_EQ(readIniValue(nested, "GECI", "a"), "1");
}

TEST_F(IniFileTest, SaveFailsWhenTheDirectoryCannotBeMade)
{
    writeRaw("not a directory");
    EXPECT_FALSE(writeIniValue(path() + QStringLiteral("/settings.ini"), "GECI", "a", "1"));
}

TEST_F(IniFileTest, SaveInterruptedBeforeRenameLeavesTheOldFile)
{
    writeRaw("[GECI]\na=old\n");
    const auto failingRename = [](const char *, const char *) {
        errno = EIO;
        return -1;
    };
    EXPECT_FALSE(AtomicFile::write(path(), "[GECI]\na=new\n", failingRename));
    EXPECT_EQ(readRaw(), "[GECI]\na=old\n");
    EXPECT_EQ(directoryEntries(), QStringList{QStringLiteral("settings.ini")});
}

TEST_F(IniFileTest, FileTooLargeToLoadIsNeverOverwritten)
{
    writeRaw("[GECI]\na=1\n");
    const qint64 size = 8 * 1024 * 1024 + 1;
    ASSERT_TRUE(QFile::resize(path(), size)); // sparse: costs no disk
    EXPECT_FALSE(writeIniValue(path(), "GECI", "a", "2"));
    EXPECT_EQ(QFileInfo(path()).size(), size);
}

TEST_F(IniFileTest, FifoIsNeitherWaitedForNorReplaced)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    EXPECT_EQ(readIniValue(path(), "GECI", "a"), ""); // opening it would block until a writer came
    EXPECT_FALSE(writeIniValue(path(), "GECI", "a", "2"));
    EXPECT_FALSE(QFileInfo(path()).isFile());
}

TEST_F(IniFileTest, SaveThroughASymbolicLinkKeepsTheLink)
{
    QTemporaryDir dotfiles;
    const QString target = dotfiles.filePath(QStringLiteral("gcsz.ini"));
    const QString link = m_dir.filePath(QStringLiteral("chain"));
    ASSERT_TRUE(QFile::link(target, link)); // dangling: the first save makes the target
    ASSERT_TRUE(QFile::link(QStringLiteral("chain"), path())); // relative, and a link to a link

    ASSERT_TRUE(writeIniValue(path(), "GECI", "a", "1"));
    ASSERT_TRUE(writeIniValue(path(), "GECI", "b", "2"));

    EXPECT_TRUE(QFileInfo(path()).isSymLink());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readRaw(), "[GECI]\na=1\nb=2\n");
    EXPECT_EQ(QDir(dotfiles.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("gcsz.ini")});
}

TEST_F(IniFileTest, SaveThroughALinkLoopFails)
{
    ASSERT_TRUE(QFile::link(QStringLiteral("settings.ini"), path()));
    EXPECT_FALSE(writeIniValue(path(), "GECI", "a", "1"));
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
}

} // namespace
