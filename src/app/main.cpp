#include "app/application.h"
#include "app/mainwindow.h"
#include "app/mediacontrols.h"
#include "app/singleinstance.h"
#include "app/terminationsignals.h"
#include "platform/toolkit/endofprogram.h"
#include "platform/toolkit/programdirectory.h"

#include <QApplication>
#include <QTimer>

namespace {

// Window positions, docking and always-on-top need X11: on a Wayland session use XWayland, unless the
// user chose a platform.
void preferXcbOnWayland()
{
    const bool wayland =
        qgetenv("XDG_SESSION_TYPE") == "wayland" || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
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

    // A second start with the same settings brings the running Quorin forward and leaves without
    // touching a file or the speakers.
    SingleInstance instance(programDirectory());
    if (!instance.claim())
        return instance.askRunningToShow() ? 0 : 1;

    Application quorin;
    TerminationSignals terminationSignals([&quorin] { quorin.requestClose(); });
    MainWindow &window = quorin.openMainWindow();
    QObject::connect(&instance, &SingleInstance::showRequested, &window, &MainWindow::bringToFront);
    // After the first frame: the desktop's media controls can wait a moment, the window cannot.
    QTimer::singleShot(0, &window, [&window] { attachMediaControls(window); });
    QApplication::exec();
    runEndOfProgramRoutine();
    return 0;
}
