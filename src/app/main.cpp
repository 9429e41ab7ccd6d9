#include "app/application.h"
#include "app/terminationsignals.h"
#include "platform/toolkit/endofprogram.h"

#include <QApplication>

namespace {

// Window positions, docking and always-on-top need X11: on a Wayland session use XWayland, unless the
// user chose a platform.
void preferXcbOnWayland()
{
    const bool wayland = qgetenv("XDG_SESSION_TYPE") == "wayland" || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (wayland && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace

int main(int argc, char **argv)
{
    preferXcbOnWayland();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorin"));
    QApplication::setDesktopFileName(QStringLiteral("quorin"));

    Application quorin;
    TerminationSignals terminationSignals([&quorin] { quorin.requestClose(); });
    quorin.openMainWindow();
    QApplication::exec();
    runEndOfProgramRoutine();
    return 0;
}
