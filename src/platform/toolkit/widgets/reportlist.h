#pragma once

#include <QByteArray>
#include <QTreeWidget>

// A report-style list: rows of cells under titled columns. Rows and columns count from 0; cell texts are
// UTF-8. Emits rightPressed() for a right-button press and rowDoubleClicked() for a double click.
class ReportList : public QTreeWidget {
    Q_OBJECT
public:
    explicit ReportList(QWidget *parent = nullptr);

    int rowCount() const;
    // Inserts a row at `row` (clamped to the ends) whose first cell is `text`; returns its index.
    int insertRow(int row, const QByteArray &text);
    void deleteRow(int row);
    void deleteAllRows();
    QByteArray cellText(int row, int column) const;
    void setCellText(int row, int column, const QByteArray &text);
    // The selected row, -1 when none.
    int currentRow() const;
    void setCurrentRow(int row);

    int columnCount() const { return QTreeWidget::columnCount(); }
    void insertColumn(int column, const QByteArray &title, int width, Qt::Alignment alignment = Qt::AlignLeft);
    int columnWidth(int column) const { return QTreeWidget::columnWidth(column); }
    void setColumnWidth(int column, int width);
    QByteArray columnTitle(int column) const;
    void setColumnTitle(int column, const QByteArray &title);

signals:
    void rightPressed();
    void rowDoubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
