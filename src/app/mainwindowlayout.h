#pragma once

class ColourPicker;
class PictureBox;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QSlider;
class QTimer;
class QToolButton;
class QWidget;
class ReportList;

// The controls of the main window. Each member is created by buildMainWindow() with the layout name in the
// comment as its objectName; handlers reach the controls through these members.
struct MainControls {
    QWidget *window = nullptr;                  // 窗口
    QFrame *playerPanel = nullptr;              // 音乐播放外形框
    QLabel *titleLabel = nullptr;               // 标签1
    QLabel *lyricLabel = nullptr;               // 标签2
    QLabel *timeLabel = nullptr;                // 标签3
    QLabel *bitRateLabel = nullptr;             // 标签4
    QLabel *channelLabel = nullptr;             // 标签5
    QLabel *hintLabel = nullptr;                // 提示
    QComboBox *channelList = nullptr;           // 组合框1
    PictureBox *cover = nullptr;                // 图片框1
    PictureBox *playingAnimation = nullptr;     // 图片框2
    QFrame *progressTrack = nullptr;            // 进度条_灰
    QFrame *progressBar = nullptr;              // 进度条_绿
    QSlider *volumeSlider = nullptr;            // 滑块条1
    QToolButton *volumeButton = nullptr;        // 音量
    QToolButton *lyricsButton = nullptr;        // 歌词显示
    QToolButton *pauseButton = nullptr;         // 暂停按钮
    QToolButton *nextButton = nullptr;          // 下一曲
    QToolButton *similarButton = nullptr;       // 相似歌曲
    QToolButton *favouriteButton = nullptr;     // 收藏歌曲
    QToolButton *unfavouriteButton = nullptr;   // 红心歌曲
    QToolButton *favouritesPanelButton = nullptr; // 收藏按钮
    QToolButton *resumeButton = nullptr;        // 继续播放
    QToolButton *settingsButton = nullptr;      // 设置
    QFrame *settingsPanel = nullptr;            // 外形框1
    QGroupBox *settingsGroup = nullptr;         // 设置分组框1
    QPushButton *applySettingsButton = nullptr; // 设置2
    QComboBox *fontFace = nullptr;              // 字体型号
    QComboBox *fontSize = nullptr;              // 字体大小
    QCheckBox *fontBold = nullptr;              // 字体加粗
    QCheckBox *fontItalic = nullptr;            // 字体倾斜
    QCheckBox *fontUnderline = nullptr;         // 字体下划线
    ColourPicker *fillColour1 = nullptr;        // 颜色选择器1
    ColourPicker *fillColour2 = nullptr;        // 颜色选择器2
    ColourPicker *outlineColour = nullptr;      // 颜色选择器3
    QComboBox *fillMode = nullptr;              // 文字渐变
    QLabel *fontCaptions = nullptr;             // 设置标签
    QLabel *colourCaptions = nullptr;           // 设置标签2
    QFrame *favouritesPanel = nullptr;          // 外形框2
    QGroupBox *favouritesGroup = nullptr;       // 设置分组框2
    ReportList *favouritesList = nullptr;       // 收藏歌曲列表
    QMenu *favouritesMenu = nullptr;            // 菜单
    QTimer *dockTimer = nullptr;                // 时钟1
    QTimer *hintTimer = nullptr;                // 时钟2
    QTimer *playbackTimer = nullptr;            // times
};

// Left positions of the settings panel: beyond the client area (closed) and over the player panel (open).
inline constexpr int settingsHome = 430;
inline constexpr int settingsOpen = 182;

// Window widths without and with the favourites panel.
inline constexpr int narrowWidth = 432;
inline constexpr int wideWidth = 658;

// Creates every control of the main window in its place and first state.
MainControls buildMainWindow(QWidget *window);
