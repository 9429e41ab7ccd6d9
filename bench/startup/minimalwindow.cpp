// The baseline for start-up and idle figures: one label in a window of the main window's size.
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("QuorinV1.4"));
    label.setWindowTitle(QStringLiteral("MinimalWindow"));
    label.setGeometry(50, 50, 432, 240);
    label.show();
    return QApplication::exec();
}
