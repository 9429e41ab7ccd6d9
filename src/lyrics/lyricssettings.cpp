#include "lyrics/lyricssettings.h"

#include "app/mainwindowlayout.h"
#include "app/session.h"
#include "lyrics/lyricswindow.h"
#include "platform/toolkit/inifile.h"
#include "platform/toolkit/programdirectory.h"
#include "platform/toolkit/widgets/colourpicker.h"
#include "platform/toolkit/widgets/comboboxes.h"

#include <QCheckBox>
#include <QComboBox>

namespace {

constexpr QByteArrayView section = "GECI";
const QByteArray trueText = "真";
const QByteArray falseText = "假";

int toInt(const QByteArray &text)
{
    return static_cast<int>(text.trimmed().toDouble());
}

QByteArray flagText(const QCheckBox *box)
{
    return box->isChecked() ? trueText : falseText;
}

void applyToLyricsWindow(Session &session)
{
    const MainControls &c = session.controls;
    LyricsWindow &window = session.lyricsWindow;
    window.setFont(ComboBoxes::itemText(c.fontFace, c.fontFace->currentIndex()),
                   toInt(ComboBoxes::itemText(c.fontSize, c.fontSize->currentIndex())), c.fontBold->isChecked(),
                   c.fontItalic->isChecked(), c.fontUnderline->isChecked());
    window.setTextColours(c.fillColour1->colour(), c.fillColour2->colour(), c.outlineColour->colour(),
                          c.fillMode->currentIndex());
    window.redraw();
}

} // namespace

QString lyricsSettingsPath()
{
    return programDirectory() + QStringLiteral("/gcsz.ini");
}

void loadLyricsSettings(Session &session)
{
    if (!fileExists(lyricsSettingsPath()))
        return;
    const IniFile file(lyricsSettingsPath());
    const MainControls &c = session.controls;
    ComboBoxes::setCurrentItem(c.fontFace, toInt(file.value(section, "字体型号")));
    ComboBoxes::setCurrentItem(c.fontSize, toInt(file.value(section, "字体大小")));
    c.fontBold->setChecked(file.value(section, "字体加粗") == trueText);
    c.fontItalic->setChecked(file.value(section, "字体选中") == trueText);
    c.fontUnderline->setChecked(file.value(section, "字体下划线") == trueText);
    c.fillColour1->setColour(toInt(file.value(section, "文字颜色1")));
    c.fillColour2->setColour(toInt(file.value(section, "文字颜色2")));
    c.outlineColour->setColour(toInt(file.value(section, "文字颜色3")));
    ComboBoxes::setCurrentItem(c.fillMode, toInt(file.value(section, "文字渐变")));
    applyToLyricsWindow(session);
}

void saveLyricsSettings(Session &session)
{
    const MainControls &c = session.controls;
    IniFile file(lyricsSettingsPath());
    file.setValue(section, "字体型号", QByteArray::number(c.fontFace->currentIndex()));
    file.setValue(section, "字体大小", QByteArray::number(c.fontSize->currentIndex()));
    file.setValue(section, "字体加粗", flagText(c.fontBold));
    file.setValue(section, "字体选中", flagText(c.fontItalic));
    file.setValue(section, "字体下划线", flagText(c.fontUnderline));
    file.setValue(section, "文字颜色1", QByteArray::number(c.fillColour1->colour()));
    file.setValue(section, "文字颜色2", QByteArray::number(c.fillColour2->colour()));
    file.setValue(section, "文字颜色3", QByteArray::number(c.outlineColour->colour()));
    file.setValue(section, "文字渐变", QByteArray::number(c.fillMode->currentIndex()));
    file.save();
}
