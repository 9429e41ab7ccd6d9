#include "playback/listini.h"

#include "platform/toolkit/inifile.h"
#include "platform/toolkit/textnumber.h"
#include "platform/toolkit/widgets/colourpicker.h"
#include "platform/toolkit/widgets/reportlist.h"

#include <QHeaderView>

#include <algorithm>

namespace {

constexpr QByteArrayView rectSection = "Rect";
constexpr QByteArrayView settingSection = "Setting";
constexpr QByteArrayView columnsSection = "Cols";

// What a file may ask the load to build. A damaged or hostile count must neither stall the window nor
// exhaust memory; these lie far beyond any real favourites list.
constexpr int maxColumns = 256;
constexpr int maxRows = 100'000;
constexpr int maxColumnWidth = 32'767;

QByteArray number(qint64 value)
{
    return QByteArray::number(value);
}

QByteArray flag(bool set)
{
    return set ? "1" : "0";
}

// Text to number as everywhere in the program, held within 0..limit.
int boundedNumber(QByteArrayView text, int limit)
{
    return std::clamp(leadingInteger(text), 0, limit);
}

// Border style numbers: 0 none, 1 flat line, 2 sunken, 3 raised.
int borderStyle(const ReportList &list)
{
    if (list.frameShape() == QFrame::NoFrame)
        return 0;
    switch (list.frameShadow()) {
    case QFrame::Sunken:
        return 2;
    case QFrame::Raised:
        return 3;
    default:
        return 1;
    }
}

// Sort mode numbers: 0 not sortable, 1 ascending, 2 descending (by the header's sort indicator).
int sortMode(const ReportList &list)
{
    if (!list.isSortingEnabled())
        return 0;
    return list.header()->sortIndicatorOrder() == Qt::AscendingOrder ? 1 : 2;
}

// Colours are Windows colours, 0x00BBGGRR, from the list's palette.
QByteArray colour(const ReportList &list, QPalette::ColorRole role)
{
    return number(ColourPicker::fromQColor(list.palette().color(role)));
}

struct SettingKey {
    const char *key;
    QByteArray (*value)(const ReportList &list);
};

// In the order they are written. The list offers no check boxes and no flat scroll bars, and keeps its
// selection shown while another control has the focus.
constexpr SettingKey settingKeys[] = {
    {"Width", [](const ReportList &l) { return number(l.width()); }},
    {"Height", [](const ReportList &l) { return number(l.height()); }},
    {"Border", [](const ReportList &l) { return number(borderStyle(l)); }},
    {"Visible", [](const ReportList &l) { return QByteArray(l.isHidden() ? "假" : "真"); }},
    {"TextColor", [](const ReportList &l) { return colour(l, QPalette::Text); }},
    {"TextBackColor", [](const ReportList &l) { return colour(l, QPalette::Base); }},
    {"BackgroundColor", [](const ReportList &l) { return colour(l, l.viewport()->backgroundRole()); }},
    {"NoHead", [](const ReportList &l) { return flag(l.isHeaderHidden()); }},
    {"SelectRow",
     [](const ReportList &l) { return flag(l.selectionBehavior() == QAbstractItemView::SelectRows); }},
    {"ClickHead", [](const ReportList &l) { return flag(l.header()->sectionsClickable()); }},
    {"ShowListBorder", [](const ReportList &l) { return flag(l.frameShape() != QFrame::NoFrame); }},
    {"DragHead", [](const ReportList &l) { return flag(l.header()->sectionsMovable()); }},
    {"EditAllow",
     [](const ReportList &l) { return flag(l.editTriggers() != QAbstractItemView::NoEditTriggers); }},
    {"SortAllow", [](const ReportList &l) { return number(sortMode(l)); }},
    {"CheckBox", [](const ReportList &) { return flag(false); }},
    {"FlatScrollBar", [](const ReportList &) { return flag(false); }},
    {"SelectOnly",
     [](const ReportList &l) { return flag(l.selectionMode() == QAbstractItemView::SingleSelection); }},
    {"SelectNow", [](const ReportList &l) { return number(l.currentRow()); }},
    {"ShowSelectAlways", [](const ReportList &) { return flag(true); }},
};

QByteArray widthKey(int column)
{
    return "Width" + number(column);
}

QByteArray nameKey(int column)
{
    return "Name" + number(column);
}

} // namespace

bool saveListToIni(const ReportList &list, const QString &path)
{
    // One file in memory and one save: a long list is tens of thousands of keys.
    IniFile file(path);
    file.setValue(rectSection, "Rows", number(list.rowCount()));
    file.setValue(rectSection, "Cols", number(list.columnCount()));
    for (const SettingKey &setting : settingKeys)
        file.setValue(settingSection, setting.key, setting.value(list));
    for (int column = 0; column < list.columnCount(); ++column) {
        file.setValue(columnsSection, widthKey(column), number(list.columnWidth(column)));
        file.setValue(columnsSection, nameKey(column), list.columnTitle(column));
    }
    for (int row = 0; row < list.rowCount(); ++row) {
        const QByteArray section = number(row);
        for (int column = 0; column < list.columnCount(); ++column)
            file.setValue(section, number(column), list.cellText(row, column));
    }
    return file.save();
}

void loadListFromIni(ReportList &list, const QString &path)
{
    const IniFile file(path);
    const int columns = boundedNumber(file.value(rectSection, "Cols"), maxColumns);
    while (list.columnCount() < columns)
        list.insertColumn(list.columnCount(), {}, 0);
    for (int column = 0; column < columns; ++column) {
        list.setColumnWidth(column,
                            boundedNumber(file.value(columnsSection, widthKey(column)), maxColumnWidth));
        list.setColumnTitle(column, file.value(columnsSection, nameKey(column)));
    }
    const int rows = boundedNumber(file.value(rectSection, "Rows"), maxRows);
    for (int j = 0; j < rows; ++j) {
        const QByteArray section = number(j);
        const int row = list.insertRow(list.rowCount(), file.value(section, "0"));
        for (int column = 1; column < columns; ++column)
            list.setCellText(row, column, file.value(section, number(column)));
    }
}
