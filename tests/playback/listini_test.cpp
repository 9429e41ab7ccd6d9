#include "platform/toolkit/inifile.h"
#include "platform/toolkit/widgets/reportlist.h"
#include "playback/listini.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A list shaped like the favourites list: two visible columns and six zero-wide ones.
std::unique_ptr<ReportList> favouritesShapedList(QWidget *parent)
{
    auto list = std::make_unique<ReportList>(parent);
    list->setGeometry(4, 17, 199, 170);
    const char *titles[] = {"歌曲名称", "歌手名称", "1", "2", "3", "4", "5", "6"};
    for (int column = 0; column < 8; ++column)
        list->insertColumn(column, titles[column], column < 2 ? 90 : 0);
    return list;
}

void addRow(ReportList &list, std::initializer_list<QByteArray> cells)
{
    const int row = list.insertRow(list.rowCount(), {});
    int column = 0;
    for (const QByteArray &cell : cells)
        list.setCellText(row, column++, cell);
}

class ListIniTest : public testing::Test {
protected:
    QString path() const { return m_dir.filePath("scgq.ini"); }
    QByteArray fileText() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeFile(const QByteArray &bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // A fresh favourites-shaped list with the file loaded into it.
    std::unique_ptr<ReportList> loaded()
    {
        auto list = favouritesShapedList(&m_parent);
        loadListFromIni(*list, path());
        return list;
    }

    QTemporaryDir m_dir;
    QWidget m_parent;
};

TEST_F(ListIniTest, TwoRowsGiveExactlyThisFile)
{
    auto list = favouritesShapedList(&m_parent);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Text, QColor(0xE8, 0xEC, 0xF2));
    palette.setColor(QPalette::Base, QColor(0x1D, 0x24, 0x30));
    list->setPalette(palette);
    list->setFrameStyle(QFrame::Box | QFrame::Plain);
    addRow(*list, {"晨光", "林小舟", "http://s/a.mp3", "http://s/c.jpg", "1001", "9b1f", "128", "/subject/1/"});
    addRow(*list, {"夜航船", "陈远", "http://s/b.mp3", "", "1002", "a3c7", "192", "/album/2/"});
    list->setCurrentRow(1);

    ASSERT_TRUE(saveListToIni(*list, path()));
    EXPECT_EQ(fileText().toStdString(), "[Rect]\nRows=2\nCols=8\n\n"
                          "[Setting]\nWidth=199\nHeight=170\nBorder=1\nVisible=真\nTextColor=15920360\n"
                          "TextBackColor=3154973\nBackgroundColor=3154973\nNoHead=0\nSelectRow=1\nClickHead=0\n"
                          "ShowListBorder=1\nDragHead=1\nEditAllow=0\nSortAllow=0\nCheckBox=0\nFlatScrollBar=0\n"
                          "SelectOnly=1\nSelectNow=1\nShowSelectAlways=1\n\n"
                          "[Cols]\nWidth0=90\nName0=歌曲名称\nWidth1=90\nName1=歌手名称\nWidth2=0\nName2=1\n"
                          "Width3=0\nName3=2\nWidth4=0\nName4=3\nWidth5=0\nName5=4\nWidth6=0\nName6=5\n"
                          "Width7=0\nName7=6\n\n"
                          "[0]\n0=晨光\n1=林小舟\n2=http://s/a.mp3\n3=http://s/c.jpg\n4=1001\n5=9b1f\n6=128\n"
                          "7=/subject/1/\n\n"
                          "[1]\n0=夜航船\n1=陈远\n2=http://s/b.mp3\n3=\n4=1002\n5=a3c7\n6=192\n7=/album/2/\n");
}

TEST_F(ListIniTest, FewerRowsOverAnOlderFileKeepItsSectionsAndLoadTheCount)
{
    auto list = favouritesShapedList(&m_parent);
    for (const char *title : {"a", "b", "c", "d", "e"})
        addRow(*list, {title});
    ASSERT_TRUE(saveListToIni(*list, path()));
    list->deleteRow(4);
    list->deleteRow(3);
    ASSERT_TRUE(saveListToIni(*list, path()));

    const IniFile file(path());
    EXPECT_EQ(file.value("Rect", "Rows"), "3");
    EXPECT_EQ(file.value("3", "0"), "d");
    EXPECT_EQ(file.value("4", "0"), "e");
    auto reloaded = loaded();
    ASSERT_EQ(reloaded->rowCount(), 3);
    EXPECT_EQ(reloaded->cellText(2, 0), "c");
}

TEST_F(ListIniTest, DraggedColumnWidthsAndEveryCellComeBack)
{
    auto list = favouritesShapedList(&m_parent);
    list->setColumnWidth(0, 130);
    list->setColumnWidth(5, 40); // a hidden column dragged open
    addRow(*list, {"晨光", "林小舟", "http://s/a.mp3", "http://s/c.jpg", "1001", "9b1f", "128", "/subject/1/"});
    ASSERT_TRUE(saveListToIni(*list, path()));

    auto reloaded = loaded();
    for (int column = 0; column < 8; ++column) {
        EXPECT_EQ(reloaded->columnWidth(column), list->columnWidth(column)) << column;
        EXPECT_EQ(reloaded->cellText(0, column), list->cellText(0, column)) << column;
    }
}

TEST_F(ListIniTest, FewerColumnsKeepTheLayoutsAndMoreAreAdded)
{
    writeFile("[Rect]\nRows=1\nCols=2\n[Cols]\nWidth0=120\nName0=Title\nWidth1=60\nName1=Artist\n"
              "[0]\n0=a\n1=b\n2=not read\n");
    auto fewer = loaded();
    ASSERT_EQ(fewer->columnCount(), 8);
    EXPECT_EQ(fewer->columnTitle(1), "Artist");
    EXPECT_EQ(fewer->columnWidth(1), 60);
    EXPECT_EQ(fewer->columnTitle(2), "1");
    EXPECT_EQ(fewer->cellText(0, 1), "b");
    EXPECT_EQ(fewer->cellText(0, 2), "");

    writeFile("[Rect]\nRows=1\nCols=10\n[Cols]\nWidth9=33\nName9=extra\n[0]\n0=a\n9=last\n");
    auto more = loaded();
    ASSERT_EQ(more->columnCount(), 10);
    EXPECT_EQ(more->columnTitle(9), "extra");
    EXPECT_EQ(more->columnWidth(9), 33);
    EXPECT_EQ(more->cellText(0, 9), "last");
    // Recorded columns without keys read as empty titles and zero widths.
    EXPECT_EQ(more->columnTitle(0), "");
    EXPECT_EQ(more->columnWidth(0), 0);
}

TEST_F(ListIniTest, DamagedFilesLoadWhatTheyHold)
{
    const struct {
        const char *name;
        QByteArray bytes;
        int rows;
        QByteArray firstTitle;
    } cases[] = {
        {"empty", "", 0, ""},
        {"truncated", "[Rect]\nRows=3\nCols=8\n[0]\n0=a\n1=b\n[1]\n0=c\n1=", 3, "a"},
        {"garbage", QByteArrayLiteral("\x00\xff\xfe[\x01=\x02\n]]]==\n\x80\x81"), 0, ""},
        {"counts not numbers", "[Rect]\nRows=two\nCols=x\n[0]\n0=a\n", 0, ""},
        {"negative counts", "[Rect]\nRows=-4\nCols=-8\n[0]\n0=a\n", 0, ""},
        {"leading number", "[Rect]\nRows=1 row\n[0]\n0=a\n", 1, "a"},
        {"huge column count and width", "[Rect]\nRows=1\nCols=99999999999\n[Cols]\nWidth0=99999999999\n[0]\n0=a\n",
         1, "a"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(c.bytes);
        auto list = loaded();
        EXPECT_EQ(list->rowCount(), c.rows);
        EXPECT_EQ(list->cellText(0, 0), c.firstTitle);
        EXPECT_LE(list->columnCount(), 256);
    }
}

TEST_F(ListIniTest, HugeRowCountIsBounded)
{
    writeFile("[Rect]\nRows=2147483647\nCols=8\n[0]\n0=a\n");
    auto list = loaded();
    EXPECT_EQ(list->rowCount(), 100'000);
    EXPECT_EQ(list->cellText(0, 0), "a");
}

TEST_F(ListIniTest, GbkFileOfTheOldProgramShowsItsChineseTitles)
{
    // "晨光" / "林小舟" / "歌曲名称" / "真" in GBK, with CRLF line ends.
    writeFile("[Rect]\r\nRows=1\r\nCols=2\r\n[Setting]\r\nVisible=\xd5\xe6\r\n"
              "[Cols]\r\nWidth0=90\r\nName0=\xb8\xe8\xc7\xfa\xc3\xfb\xb3\xc6\r\nWidth1=90\r\nName1=x\r\n"
              "[0]\r\n0=\xb3\xbf\xb9\xe2\r\n1=\xc1\xd6\xd0\xa1\xd6\xdb\r\n");
    auto list = loaded();
    ASSERT_EQ(list->rowCount(), 1);
    EXPECT_EQ(list->cellText(0, 0), "晨光");
    EXPECT_EQ(list->cellText(0, 1), "林小舟");
    EXPECT_EQ(list->columnTitle(0), "歌曲名称");
}

} // namespace
