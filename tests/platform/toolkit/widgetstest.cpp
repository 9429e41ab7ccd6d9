#include "platform/toolkit/widgets/colourpicker.h"
#include "platform/toolkit/widgets/comboboxes.h"
#include "platform/toolkit/widgets/picturebox.h"
#include "platform/toolkit/widgets/reportlist.h"

#include <QBuffer>
#include <QComboBox>
#include <QImage>

#include <gtest/gtest.h>

namespace {

TEST(ComboBoxesTest, CurrentItemFollowsTheIndexRules)
{
    QComboBox combo;
    combo.addItems({"30", "40", "60"});
    const struct {
        int index;
        int selected;
        QByteArray text;
    } cases[] = {{0, 0, "30"}, {2, 2, "60"}, {3, 2, "60"}, {9, 2, "60"}, {-1, -1, ""}, {-5, -1, ""}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.index);
        ComboBoxes::setCurrentItem(&combo, c.index);
        EXPECT_EQ(combo.currentIndex(), c.selected);
        EXPECT_EQ(ComboBoxes::itemText(&combo, combo.currentIndex()), c.text);
    }
    QComboBox empty;
    ComboBoxes::setCurrentItem(&empty, 3);
    EXPECT_EQ(empty.currentIndex(), -1);
    EXPECT_EQ(ComboBoxes::itemText(&empty, 0), "");
}

TEST(ColourPickerTest, HoldsWindowsColoursWithRedInTheLowByte)
{
    ColourPicker picker;
    picker.setColour(0x1483FE);
    EXPECT_EQ(picker.colour(), 0x1483FE);
    EXPECT_EQ(ColourPicker::toQColor(0x1483FE), QColor(0xFE, 0x83, 0x14));
    EXPECT_EQ(ColourPicker::fromQColor(QColor(0xE3, 0xFE, 0x00)), 0x00FEE3);
    picker.setColour(-1);
    EXPECT_EQ(picker.colour(), 0xFFFFFF);
}

TEST(ReportListTest, RowsCellsAndColumns)
{
    ReportList list;
    list.insertColumn(0, "歌曲名称", 90);
    list.insertColumn(1, "歌手名称", 90, Qt::AlignRight);
    list.insertColumn(1, "中间", 0);
    ASSERT_EQ(list.columnCount(), 3);
    EXPECT_EQ(list.columnTitle(1), "中间");
    EXPECT_EQ(list.columnTitle(2), "歌手名称");
    EXPECT_EQ(list.columnWidth(2), 90);
    EXPECT_EQ(list.columnTitle(3), "");

    EXPECT_EQ(list.insertRow(5, "稻香"), 0);
    list.setCellText(0, 2, "周杰伦");
    list.insertRow(0, "夜航船");
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.cellText(1, 0), "稻香");
    EXPECT_EQ(list.cellText(1, 2), "周杰伦");
    EXPECT_EQ(list.cellText(7, 0), "");
    EXPECT_EQ(list.cellText(0, 9), "");

    EXPECT_EQ(list.currentRow(), -1);
    list.setCurrentRow(1);
    EXPECT_EQ(list.currentRow(), 1);
    list.deleteRow(0);
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(list.cellText(0, 0), "稻香");
    list.deleteRow(4);
    list.deleteAllRows();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(list.currentRow(), -1);
}

TEST(PictureBoxTest, PictureComesFromImageBytesAndEmptyBytesClearIt)
{
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");

    PictureBox box;
    box.setPictureBytes(png);
    EXPECT_TRUE(box.hasPicture());
    box.setPictureBytes("not a picture");
    EXPECT_FALSE(box.hasPicture());
    box.setPictureBytes(png);
    box.setPictureBytes({});
    EXPECT_FALSE(box.hasPicture());
}

TEST(PictureBoxTest, AnimationPlaysOnlyWithFrames)
{
    PictureBox box;
    box.playAnimation(true);
    EXPECT_FALSE(box.isAnimationPlaying());
    box.setAnimation({QPixmap(4, 4), QPixmap(4, 4)}, 50);
    box.playAnimation(true);
    EXPECT_TRUE(box.isAnimationPlaying());
    box.playAnimation(false);
    EXPECT_FALSE(box.isAnimationPlaying());
}

} // namespace
