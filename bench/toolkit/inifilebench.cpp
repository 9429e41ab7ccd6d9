#include "platform/toolkit/inifile.h"
#include "platform/toolkit/inivalue.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// The favourites file at its sizes of interest, 8 keys (columns) a section (row): 1,000 keys are a list
// of 125 songs, 16,000 keys a list of 2,000 songs.
namespace {

constexpr int kKeysPerSection = 8;

QByteArray sectionOf(int index)
{
    return QByteArray::number(index / kKeysPerSection);
}
QByteArray keyOf(int index)
{
    return QByteArray::number(index % kKeysPerSection);
}
QByteArray valueOf(int index)
{
    return "https://example.org/song/" + QByteArray::number(index) + ".mp3";
}

class IniFileBench : public benchmark::Fixture {
public:
    void SetUp(benchmark::State &state) override
    {
        m_keys = int(state.range(0));
        IniFile file(path());
        for (int i = 0; i < m_keys; ++i)
            file.setValue(sectionOf(i), keyOf(i), valueOf(i));
        file.save();
    }
    void TearDown(benchmark::State &) override { QFile::remove(path()); }

protected:
    QString path() const { return m_dir.filePath(QStringLiteral("scgq.ini")); }

    QTemporaryDir m_dir;
    int m_keys = 0;
};

BENCHMARK_DEFINE_F(IniFileBench, LoadAndReadAll)(benchmark::State &state)
{
    for (auto _ : state) {
        const IniFile file(path());
        for (int i = 0; i < m_keys; ++i)
            benchmark::DoNotOptimize(file.value(sectionOf(i), keyOf(i)));
    }
}
BENCHMARK_REGISTER_F(IniFileBench, LoadAndReadAll)->Arg(1000)->Arg(16000)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(IniFileBench, SetAllAndSaveOnce)(benchmark::State &state)
{
    for (auto _ : state) {
        IniFile file(path());
        for (int i = 0; i < m_keys; ++i)
            file.setValue(sectionOf(i), keyOf(i), valueOf(i + 1));
        benchmark::DoNotOptimize(file.save());
    }
}
BENCHMARK_REGISTER_F(IniFileBench, SetAllAndSaveOnce)->Arg(1000)->Arg(16000)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(IniFileBench, ReadIniValue1000Times)(benchmark::State &state)
{
    for (auto _ : state)
        for (int i = 0; i < 1000; ++i)
            benchmark::DoNotOptimize(readIniValue(path(), sectionOf(i), keyOf(i)));
}
BENCHMARK_REGISTER_F(IniFileBench, ReadIniValue1000Times)->Arg(1000)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(IniFileBench, WriteIniValue1000Times)(benchmark::State &state)
{
    for (auto _ : state)
        for (int i = 0; i < 1000; ++i)
            benchmark::DoNotOptimize(writeIniValue(path(), sectionOf(i), keyOf(i), valueOf(i + 1)));
}
BENCHMARK_REGISTER_F(IniFileBench, WriteIniValue1000Times)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
