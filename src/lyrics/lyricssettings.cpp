#include "lyrics/lyricssettings.h"

#include "app/mainwindowlayout.h"
#include "app/session.h"
#include "lyrics/lyricswindow.h"
#include "platform/toolkit/eventwait.h"
#include "platform/toolkit/inifile.h"
#include "platform/toolkit/programdirectory.h"
#include "platform/toolkit/textnumber.h"
#include "platform/toolkit/widgets/colourpicker.h"
#include "platform/toolkit/widgets/comboboxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>

namespace {

constexpr QByteArrayView section = "GECI";
const QByteArray trueText = "真";
const QByteArray falseText = "假";
constexpr int applyWaitMs = 60;

QByteArray flagText(const QCheckBox *box)
{
    return box->isChecked() ? trueText : falseText;
}

QByteArray currentItemText(const QComboBox *combo)
{
    return ComboBoxes::itemText(combo, combo->currentIndex());
}

void applyFont(Session &session)
{
    const MainControls &c = session.controls;
    session.lyricsWindow.setFont(currentItemText(c.fontFace), leadingInteger(currentItemText(c.fontSize)),
                                 c.fontBold->isChecked(), c.fontItalic->isChecked(),
                                 c.fontUnderline->isChecked());
}

void applyColours(Session &session)
{
    const MainControls &c = session.controls;
    session.lyricsWindow.setTextColours(c.fillColour1->colour(), c.fillColour2->colour(),
                                        c.outlineColour->colour(), c.fillMode->currentIndex());
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
    const auto number = [&file](QByteArrayView key) { return leadingInteger(file.value(section, key)); };
    const auto flag = [&file](QByteArrayView key) { return file.value(section, key) == trueText; };
    const MainControls &c = session.controls;
    ComboBoxes::setCurrentItem(c.fontFace, number("字体型号"));
    ComboBoxes::setCurrentItem(c.fontSize, number("字体大小"));
    c.fontBold->setChecked(flag("字体加粗"));
    c.fontItalic->setChecked(flag("字体选中"));
    c.fontUnderline->setChecked(flag("字体下划线"));
    c.fillColour1->setColour(number("文字颜色1"));
    c.fillColour2->setColour(number("文字颜色2"));
    c.outlineColour->setColour(number("文字颜色3"));
    ComboBoxes::setCurrentItem(c.fillMode, number("文字渐变"));
    applyFont(session);
    applyColours(session);
    session.lyricsWindow.redraw();
}

void applyLyricsSettings(Session &session)
{
    applyFont(session);
    session.lyricsWindow.redraw();
    waitWithEvents(applyWaitMs);
    applyColours(session);
    session.lyricsWindow.redraw();
    waitWithEvents(applyWaitMs);
    saveLyricsSettings(session);
    QFrame *panel = session.controls.settingsPanel;
    panel->move(settingsHome, panel->y());
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
