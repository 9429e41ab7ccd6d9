#pragma once

#include <QString>

class ReportList;

// A report list in an INI file: "Rect" (Rows, Cols), "Setting" (the list's own properties, written for
// reference and never read back), "Cols" (WidthN and NameN for each column) and one section per row,
// named by the row index, with one key per column ("0", "1", ...).

// Writes the list over the file at `path` in one atomic save. Sections of rows beyond the current count
// stay from earlier saves; "Rows" says how many count. False when the file could not be written (or
// exists and could not be read, so that writing would destroy it).
bool saveListToIni(const ReportList &list, const QString &path);

// Appends the rows of the file at `path` to the list, adding columns up to the recorded count and taking
// each recorded column's width and title. Missing keys give empty cells, empty titles and width 0; a
// missing, empty or damaged file gives what it holds and nothing more.
void loadListFromIni(ReportList &list, const QString &path);
