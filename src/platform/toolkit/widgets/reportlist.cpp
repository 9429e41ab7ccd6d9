#include "platform/toolkit/widgets/reportlist.h"

#include <QHeaderView>
#include <QMouseEvent>

#include <algorithm>

ReportList::ReportList(QWidget *parent)
    : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // A double click plays a row; it never edits one.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setColumnCount(0);
    header()->setStretchLastSection(false);
    header()->setMinimumSectionSize(0);
}

int ReportList::rowCount() const
{
    return topLevelItemCount();
}

int ReportList::insertRow(int row, const QByteArray &text)
{
    const int at = std::clamp(row, 0, rowCount());
    auto *item = new QTreeWidgetItem;
    item->setText(0, QString::fromUtf8(text));
    for (int column = 0; column < columnCount(); ++column)
        item->setTextAlignment(column, headerItem()->textAlignment(column));
    insertTopLevelItem(at, item);
    return at;
}

void ReportList::deleteRow(int row)
{
    delete takeTopLevelItem(row);
}

void ReportList::deleteAllRows()
{
    clear();
}

QByteArray ReportList::cellText(int row, int column) const
{
    const QTreeWidgetItem *item = topLevelItem(row);
    return item && column >= 0 && column < columnCount() ? item->text(column).toUtf8() : QByteArray();
}

void ReportList::setCellText(int row, int column, const QByteArray &text)
{
    if (QTreeWidgetItem *item = topLevelItem(row); item && column >= 0 && column < columnCount())
        item->setText(column, QString::fromUtf8(text));
}

int ReportList::currentRow() const
{
    const QList<QTreeWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.first());
}

void ReportList::setCurrentRow(int row)
{
    clearSelection();
    if (QTreeWidgetItem *item = topLevelItem(row)) {
        setCurrentItem(item);
        item->setSelected(true);
    }
}

void ReportList::insertColumn(int column, const QByteArray &title, int width, Qt::Alignment alignment)
{
    const int count = columnCount();
    const int at = std::clamp(column, 0, count);
    setColumnCount(count + 1);
    // Shift titles, widths and alignments right of the new column, so the new one can take its place.
    for (int c = count; c > at; --c) {
        headerItem()->setText(c, headerItem()->text(c - 1));
        headerItem()->setTextAlignment(c, headerItem()->textAlignment(c - 1));
        QTreeWidget::setColumnWidth(c, QTreeWidget::columnWidth(c - 1));
    }
    headerItem()->setText(at, QString::fromUtf8(title));
    headerItem()->setTextAlignment(at, alignment | Qt::AlignVCenter);
    setColumnWidth(at, width);
}

void ReportList::setColumnWidth(int column, int width)
{
    QTreeWidget::setColumnWidth(column, std::max(width, 0));
}

QByteArray ReportList::columnTitle(int column) const
{
    return column >= 0 && column < columnCount() ? headerItem()->text(column).toUtf8() : QByteArray();
}

void ReportList::setColumnTitle(int column, const QByteArray &title)
{
    if (column >= 0 && column < columnCount())
        headerItem()->setText(column, QString::fromUtf8(title));
}

void ReportList::mousePressEvent(QMouseEvent *event)
{
    QTreeWidget::mousePressEvent(event);
    if (event->button() == Qt::RightButton)
        emit rightPressed();
}

void ReportList::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit rowDoubleClicked();
}
