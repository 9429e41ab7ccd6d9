#pragma once

#include <QByteArray>

class QComboBox;

namespace ComboBoxes {

// Selects item `index`: past the last item selects the last, -1 or lower selects none.
void setCurrentItem(QComboBox *combo, int index);
// The text of item `index` as UTF-8, "" when there is no such item (also for -1).
QByteArray itemText(const QComboBox *combo, int index);

} // namespace ComboBoxes
