#ifdef QUORIN_BENCH_GUI
#include <QApplication>
#else
#include <QCoreApplication>
#endif

#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
#ifdef QUORIN_BENCH_GUI
    // Fonts, drawing and widgets need a GUI application, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
