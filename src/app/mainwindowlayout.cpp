#include "app/mainwindowlayout.h"

#include "platform/toolkit/widgets/colourpicker.h"
#include "platform/toolkit/widgets/picturebox.h"
#include "platform/toolkit/widgets/reportlist.h"
#include "radio/channeltable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QtMath>

namespace {

constexpr int defaultFontPx = 12;

QFont uiFont(int pixelSize, bool yaHei = false)
{
    QFont font;
    if (yaHei)
        font.setFamilies({QStringLiteral("微软雅黑"), QStringLiteral("Microsoft YaHei"),
                          QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(pixelSize);
    return font;
}

template <typename Widget>
Widget *place(Widget *widget, const char *name, QRect geometry, bool visible = true)
{
    widget->setObjectName(QString::fromUtf8(name));
    widget->setGeometry(geometry);
    widget->setVisible(visible);
    return widget;
}

QLabel *label(QWidget *parent, const char *name, QRect geometry, const QFont &font, const char *caption)
{
    auto *widget = place(new QLabel(QString::fromUtf8(caption), parent), name, geometry);
    widget->setFont(font);
    return widget;
}

QFrame *shapeBox(QWidget *parent, const char *name, QRect geometry, bool visible = true)
{
    return place(new QFrame(parent), name, geometry, visible);
}

QToolButton *pictureButton(QWidget *parent, const char *name, QRect geometry, const char *icon, const char *tip,
                           bool hand, bool visible = true)
{
    auto *button = place(new QToolButton(parent), name, geometry, visible);
    button->setToolTip(QString::fromUtf8(tip));
    button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))));
    button->setIconSize(geometry.size());
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    if (hand)
        button->setCursor(Qt::PointingHandCursor);
    return button;
}

QComboBox *comboBox(QWidget *parent, const char *name, QRect geometry, std::initializer_list<const char *> items,
                    bool visible = true)
{
    auto *combo = place(new QComboBox(parent), name, geometry, visible);
    combo->setFont(uiFont(defaultFontPx));
    for (const char *item : items)
        combo->addItem(QString::fromUtf8(item));
    return combo;
}

QCheckBox *checkBox(QWidget *parent, const char *name, QRect geometry)
{
    auto *box = place(new QCheckBox(QString::fromUtf8(name), parent), name, geometry);
    box->setFont(uiFont(defaultFontPx));
    return box;
}

ColourPicker *colourPicker(QWidget *parent, const char *name, QRect geometry, int colour)
{
    auto *picker = place(new ColourPicker(parent), name, geometry);
    picker->setColour(colour);
    return picker;
}

// Captions on every other line of a label, at a fixed line height so they sit beside their controls.
QLabel *captionColumn(QWidget *parent, const char *name, QRect geometry, std::initializer_list<const char *> lines)
{
    QStringList html;
    for (const char *line : lines)
        html << QString::fromUtf8(line);
    auto *widget = label(parent, name, geometry, uiFont(defaultFontPx), "");
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widget->setText(QStringLiteral("<div style=\"-qt-line-height-type:fixed; line-height:12px\">%1</div>")
                        .arg(html.join(QStringLiteral("<br><br>"))));
    return widget;
}

// Frames of the 20×20 playing animation: four equaliser bars at shifting heights.
QList<QPixmap> equaliserFrames()
{
    static constexpr int heights[][4] = {{6, 12, 9, 4}, {10, 7, 13, 8}, {13, 4, 8, 12}, {8, 10, 5, 14},
                                         {4, 13, 11, 7}, {11, 6, 14, 10}};
    // Drawn at the screen's density, so it stays crisp there and each frame is shown without scaling.
    const qreal density = qGuiApp->devicePixelRatio();
    const int side = qCeil(20 * density);
    QList<QPixmap> frames;
    for (const auto &frame : heights) {
        QPixmap pixmap(side, side);
        pixmap.setDevicePixelRatio(density);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x35, 0xC2, 0x8A));
        for (int bar = 0; bar < 4; ++bar)
            painter.drawRoundedRect(QRectF(2.5 + bar * 4.2, 17 - frame[bar], 3, frame[bar]), 1.2, 1.2);
        frames << pixmap;
    }
    return frames;
}

template <typename Widget>
Widget *withRole(Widget *widget, const char *role)
{
    widget->setProperty("role", QString::fromLatin1(role));
    return widget;
}

QString styleSheet()
{
    QFile file(QStringLiteral(":/quorin.qss"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QTimer *timer(QWidget *window, const char *name, int period)
{
    auto *t = new QTimer(window);
    t->setObjectName(QString::fromUtf8(name));
    if (period > 0)
        t->start(period);
    return t;
}

void buildPlayerPanel(MainControls &c)
{
    QWidget *p = c.playerPanel = withRole(shapeBox(c.window, "音乐播放外形框", {-16, -1, 649, 217}), "panel");
    c.titleLabel = label(p, "标签1", {34, 41, 263, 46}, uiFont(21, true), "Quorin");
    c.titleLabel->setToolTip(QStringLiteral("点击复制歌曲信息（Ctrl+C）"));
    c.lyricLabel = withRole(label(p, "标签2", {34, 86, 263, 24}, uiFont(14, true), "当前暂无歌词"), "accent");
    c.timeLabel = withRole(label(p, "标签3", {36, 119, 80, 20}, uiFont(12, true), "00:00/00:00"), "secondary");
    c.bitRateLabel = withRole(label(p, "标签4", {180, 120, 56, 20}, uiFont(12), "128kbs"), "secondary");
    c.channelLabel = label(p, "标签5", {55, 15, 225, 24}, uiFont(14), "豆瓣精选 MHz");
    c.channelLabel->setCursor(Qt::PointingHandCursor);
    c.hintLabel = withRole(label(p, "提示", {36, 188, 144, 20}, uiFont(12), "QuorinV1.4"), "secondary");
    c.channelList = comboBox(p, "组合框1", {56, 18, 99, 20}, {}, false);
    for (const ChannelItem &item : channelTable())
        c.channelList->addItem(QString::fromUtf8(item.caption));
    c.cover = place(new PictureBox(p), "图片框1", {306, 16, 120, 120});
    c.cover->setPicture(QIcon(QStringLiteral(":/icons/cover-placeholder.svg")).pixmap(QSize(70, 70), 2.0));
    c.playingAnimation = place(new PictureBox(p), "图片框2", {32, 17, 20, 20});
    c.playingAnimation->setAnimation(equaliserFrames(), 120);
    c.progressTrack = withRole(shapeBox(p, "进度条_灰", {36, 142, 390, 3}), "track");
    c.progressBar = withRole(shapeBox(p, "进度条_绿", {36, 142, 0, 3}), "bar");
    c.volumeSlider = place(new QSlider(Qt::Horizontal, p), "滑块条1", {136, 120, 129, 19}, false);
    c.volumeSlider->setRange(1, 100);
    c.volumeSlider->setValue(100);
    c.volumeSlider->setPageStep(5);
    c.volumeSlider->setSingleStep(1);
    c.volumeButton = pictureButton(p, "音量", {111, 118, 20, 20}, "volume", "音量", true);
    c.lyricsButton = pictureButton(p, "歌词显示", {245, 120, 20, 19}, "lyrics", "桌面歌词（L）", true);
    c.pauseButton = pictureButton(p, "暂停按钮", {326, 157, 30, 30}, "pause", "暂停（空格）", true);
    c.nextButton = pictureButton(p, "下一曲", {379, 157, 30, 30}, "next", "下一曲（→ 或 Ctrl+N）", true);
    c.similarButton = pictureButton(p, "相似歌曲", {272, 157, 30, 30}, "similar", "相似歌曲", true, false);
    c.favouriteButton = pictureButton(p, "收藏歌曲", {39, 156, 30, 30}, "heart", "收藏歌曲", true, false);
    c.unfavouriteButton = pictureButton(p, "红心歌曲", {39, 156, 30, 30}, "heart-filled", "取消收藏", true, false);
    c.favouritesPanelButton = pictureButton(p, "收藏按钮", {430, 81, 12, 40}, "favourites-tab", "收藏列表", false);
}

// The first state matches the desktop lyrics' default look, so a first close saves nothing the user did
// not choose. The gear (设置) lies over the open panel, between the colour captions and the swatches.
void buildSettingsPanel(MainControls &c)
{
    QWidget *panel = c.settingsPanel = withRole(shapeBox(c.window, "外形框1", {settingsHome, -3, 248, 216}, false), "sidePanel");
    auto *g = c.settingsGroup = place(new QGroupBox(QStringLiteral("歌词设置"), panel), "设置分组框1", {8, 11, 234, 197});
    g->setFont(uiFont(defaultFontPx));
    c.fontCaptions = captionColumn(g, "设置标签", {6, 24, 64, 84}, {"字体名称：", "字体大小：", "字体样式："});
    c.fontFace = comboBox(g, "字体型号", {72, 20, 100, 22}, {"黑体", "楷体", "微软雅黑"});
    c.fontFace->setCurrentIndex(2);
    c.fontSize = comboBox(g, "字体大小", {72, 44, 60, 22}, {"30", "40", "45", "50", "55", "60"});
    c.fontSize->setCurrentIndex(3);
    c.fontBold = checkBox(g, "字体加粗", {72, 68, 76, 20});
    c.fontBold->setChecked(true);
    c.fontItalic = checkBox(g, "字体倾斜", {150, 68, 76, 20});
    c.fontUnderline = checkBox(g, "字体下划线", {72, 88, 90, 20});
    c.colourCaptions = captionColumn(g, "设置标签2", {6, 118, 64, 64},
                                     {"文字颜色：", "文字边框：", "文字渐变：", "高亮颜色：", "高亮边框：", "高亮渐变："});
    c.fillColour1 = colourPicker(g, "颜色选择器1", {92, 114, 40, 20}, 0x00FEE3);
    c.fillColour2 = colourPicker(g, "颜色选择器2", {138, 114, 40, 20}, 0x00B133);
    c.outlineColour = colourPicker(g, "颜色选择器3", {92, 138, 40, 20}, 0x000000);
    c.fillMode = comboBox(g, "文字渐变", {72, 162, 84, 22}, {"无渐变", "两色渐变", "三色渐变"});
    c.fillMode->setCurrentIndex(1);
    c.applySettingsButton = place(new QPushButton(QStringLiteral("设置"), panel), "设置2", {165, 160, 69, 35});
}

void buildFavouritesPanel(MainControls &c)
{
    QWidget *panel = c.favouritesPanel = withRole(shapeBox(c.window, "外形框2", {427, -4, 228, 216}), "sidePanel");
    auto *g = c.favouritesGroup = place(new QGroupBox(QStringLiteral("收藏列表"), panel), "设置分组框2", {11, 8, 208, 197});
    g->setFont(uiFont(defaultFontPx));
    c.favouritesList = place(new ReportList(g), "收藏歌曲列表", {4, 17, 199, 170});
    c.favouritesList->setFont(uiFont(12, true));
    static constexpr struct {
        const char *title;
        int width;
        Qt::Alignment alignment;
    } columns[] = {{"歌曲名称", 90, Qt::AlignLeft}, {"歌手名称", 90, Qt::AlignRight}, {"1", 0, Qt::AlignLeft},
                   {"2", 0, Qt::AlignLeft},         {"3", 0, Qt::AlignLeft},         {"4", 0, Qt::AlignLeft},
                   {"5", 0, Qt::AlignLeft},         {"6", 0, Qt::AlignLeft}};
    for (const auto &column : columns)
        c.favouritesList->insertColumn(c.favouritesList->columnCount(), column.title, column.width, column.alignment);
    c.favouritesMenu = new QMenu(c.window);
    c.favouritesMenu->setObjectName(QStringLiteral("菜单"));
    c.favouritesMenu->addAction(QStringLiteral("删除选中"))->setObjectName(QStringLiteral("删除选中"));
    c.favouritesMenu->addAction(QStringLiteral("清空全部"))->setObjectName(QStringLiteral("清空全部"));
}

} // namespace

MainControls buildMainWindow(QWidget *window)
{
    // The icons live in this static library; make sure the linker keeps them.
    Q_INIT_RESOURCE(resources);
    MainControls c;
    c.window = window;
    window->setObjectName(QStringLiteral("窗口"));
    window->setWindowTitle(QStringLiteral("QuorinV1.4"));
    window->setWindowIcon(QIcon(QStringLiteral(":/icons/quorin.svg")));
    window->setGeometry(50, 50, narrowWidth, 240);
    // Sizes are fixed (minimum = maximum), so no window manager offers to resize or maximize the window;
    // the handlers that widen or narrow it set the fixed size.
    window->setFixedSize(narrowWidth, 240);
    // Later siblings lie on top: the player panel reaches under the favourites panel, and the settings
    // panel slides over both, under the gear that opens and closes it.
    buildPlayerPanel(c);
    buildFavouritesPanel(c);
    c.resumeButton = pictureButton(window, "继续播放", {310, 156, 30, 30}, "play", "继续播放（空格）", true, false);
    buildSettingsPanel(c);
    // Above the settings panel, so that a click on it closes the open panel.
    c.settingsButton = pictureButton(window, "设置", {257, 118, 20, 20}, "settings", "歌词设置（Esc 关闭）", true);
    c.dockTimer = timer(window, "时钟1", 100);
    c.hintTimer = timer(window, "时钟2", 0);
    c.playbackTimer = timer(window, "times", 0);
    // Last, so the style sees every control's role.
    window->setStyleSheet(styleSheet());
    return c;
}
