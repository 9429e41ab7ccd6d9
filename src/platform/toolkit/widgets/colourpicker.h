#pragma once

#include <QToolButton>

// A colour swatch button; a click opens the colour dialog. Its value is a Windows colour, 0x00BBGGRR
// (red in the low byte), the form the settings file stores.
class ColourPicker : public QToolButton {
    Q_OBJECT
public:
    explicit ColourPicker(QWidget *parent = nullptr);

    int colour() const { return m_colour; }
    void setColour(int colour);

    static QColor toQColor(int colour);
    static int fromQColor(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void chooseColour();

    int m_colour = 0;
};
