#include "platform/toolkit/inifile.h"
#include "platform/toolkit/inivalue.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// The favourites file at its size of interest: a list of 125 songs is 1,000 keys (8 columns a row).
namespace {

constexpr int kKeys = 1000;
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
    void SetUp(benchmark::State &) override
    {
        IniFile file(path());
        for (int i = 0; i < kKeys; ++i)
            file.setValue(sectionOf(i), keyOf(i), valueOf(i));
        file.save();
    }
    void TearDown(benchmark::State &) override { QFile::remove(path()); }

protected:
    QString path() const { return m_dir.filePath(QStringLiteral("scgq.ini")); }

    QTemporaryDir m_dir;
};

BENCHMARK_F(IniFileBench, LoadAndRead1000Keys)(benchmark::State &state)
{
    for (auto _ : state) {
        const IniFile file(path());
        for (int i = 0; i < kKeys; ++i)
            benchmark::DoNotOptimize(file.value(sectionOf(i), keyOf(i)));
    }
}

BENCHMARK_F(IniFileBench, Set1000KeysAndSaveOnce)(benchmark::State &state)
{
    for (auto _ : state) {
        IniFile file(path());
        for (int i = 0; i < kKeys; ++i)
            file.setValue(sectionOf(i), keyOf(i), valueOf(i + 1));
        benchmark::DoNotOptimize(file.save());
    }
}

BENCHMARK_F(IniFileBench, ReadIniValue1000Times)(benchmark::State &state)
{
    for (auto _ : state)
        for (int i = 0; i < kKeys; ++i)
            benchmark::DoNotOptimize(readIniValue(path(), sectionOf(i), keyOf(i)));
}

BENCHMARK_F(IniFileBench, WriteIniValue1000Times)(benchmark::State &state)
{
    for (auto _ : state)
        for (int i = 0; i < kKeys; ++i)
            benchmark::DoNotOptimize(writeIniValue(path(), sectionOf(i), keyOf(i), valueOf(i + 1)));
}

} // namespace
