// The favourites file at 2,000 songs (about 16,000 row keys): saving the list, as every change does, and
// loading it, as start-up does. Each runs on the window thread, so its time is how long the window stops
// answering. Beside each, the baseline: the same keys through the INI service alone, without the list.
#include "platform/toolkit/inifile.h"
#include "platform/toolkit/widgets/reportlist.h"
#include "playback/listini.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kRows = 2000;
constexpr int kColumns = 8;

QByteArray cellOf(int row, int column)
{
    static const char *const samples[kColumns] = {
        "晨光", "林小舟",   "https://example.org/audio/", "https://example.org/cover/", "", "",
        "128",  "/subject/"};
    return samples[column] + QByteArray::number(row);
}

std::unique_ptr<ReportList> favouritesShapedList()
{
    auto list = std::make_unique<ReportList>();
    for (int column = 0; column < kColumns; ++column)
        list->insertColumn(column, QByteArray::number(column), column < 2 ? 90 : 0);
    return list;
}

class FavouritesFileBench : public benchmark::Fixture {
public:
    void SetUp(benchmark::State &) override
    {
        m_list = favouritesShapedList();
        for (int row = 0; row < kRows; ++row) {
            m_list->insertRow(row, {});
            for (int column = 0; column < kColumns; ++column)
                m_list->setCellText(row, column, cellOf(row, column));
        }
        saveListToIni(*m_list, path());
    }
    void TearDown(benchmark::State &) override { m_list.reset(); }

protected:
    QString path() const { return m_dir.filePath(QStringLiteral("scgq.ini")); }

    QTemporaryDir m_dir;
    std::unique_ptr<ReportList> m_list;
};

BENCHMARK_DEFINE_F(FavouritesFileBench, SaveList)(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(saveListToIni(*m_list, path()));
}

BENCHMARK_DEFINE_F(FavouritesFileBench, SaveBaselineIniFileAlone)(benchmark::State &state)
{
    for (auto _ : state) {
        IniFile file(path());
        for (int row = 0; row < kRows; ++row) {
            const QByteArray section = QByteArray::number(row);
            for (int column = 0; column < kColumns; ++column)
                file.setValue(section, QByteArray::number(column), cellOf(row, column));
        }
        benchmark::DoNotOptimize(file.save());
    }
}

BENCHMARK_DEFINE_F(FavouritesFileBench, LoadList)(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto list = favouritesShapedList();
        state.ResumeTiming();
        loadListFromIni(*list, path());
        benchmark::DoNotOptimize(list->rowCount());
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
}

BENCHMARK_DEFINE_F(FavouritesFileBench, LoadBaselineIniFileAlone)(benchmark::State &state)
{
    for (auto _ : state) {
        const IniFile file(path());
        for (int row = 0; row < kRows; ++row) {
            const QByteArray section = QByteArray::number(row);
            for (int column = 0; column < kColumns; ++column)
                benchmark::DoNotOptimize(file.value(section, QByteArray::number(column)));
        }
    }
}

BENCHMARK_REGISTER_F(FavouritesFileBench, SaveList)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(FavouritesFileBench, SaveBaselineIniFileAlone)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(FavouritesFileBench, LoadList)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(FavouritesFileBench, LoadBaselineIniFileAlone)->Unit(benchmark::kMillisecond);

} // namespace
