#include "platform/toolkit/widgets/comboboxes.h"

#include <QComboBox>

#include <algorithm>

void ComboBoxes::setCurrentItem(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index < 0 ? -1 : std::min(index, combo->count() - 1));
}

QByteArray ComboBoxes::itemText(const QComboBox *combo, int index)
{
    return index >= 0 && index < combo->count() ? combo->itemText(index).toUtf8() : QByteArray();
}
