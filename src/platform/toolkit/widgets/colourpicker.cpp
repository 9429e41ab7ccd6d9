#include "platform/toolkit/widgets/colourpicker.h"

#include <QColorDialog>
#include <QPainter>

ColourPicker::ColourPicker(QWidget *parent)
    : QToolButton(parent)
{
    connect(this, &QToolButton::clicked, this, &ColourPicker::chooseColour);
}

void ColourPicker::setColour(int colour)
{
    m_colour = colour & 0xFFFFFF;
    update();
}

QColor ColourPicker::toQColor(int colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

int ColourPicker::fromQColor(const QColor &colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

void ColourPicker::chooseColour()
{
    const QColor chosen = QColorDialog::getColor(toQColor(m_colour), window());
    if (chosen.isValid())
        setColour(fromQColor(chosen));
}

void ColourPicker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF swatch = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    painter.setPen(QPen(underMouse() ? QColor(0xE8, 0xEC, 0xF2) : QColor(0x6B, 0x76, 0x88), 1));
    painter.setBrush(toQColor(m_colour));
    painter.drawRoundedRect(swatch, 3, 3);
}
