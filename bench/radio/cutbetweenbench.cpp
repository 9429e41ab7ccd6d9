#include "radio/cutbetween.h"

#include <benchmark/benchmark.h>

namespace {

// A playlist answer of about 1 MB whose song comes last, so every field is searched for through it all.
QByteArray largeAnswer()
{
    QByteArray answer = R"({"warning":"user_is_ananymous","r":0,"padding":")";
    answer += QByteArray(1024 * 1024, 'x');
    answer += R"(","song":[{"album":"\/subject\/1\/","ssid":"9b1f","title":"稻香","sid":"1234","sha256":"ab",)"
              R"("picture":"https:\/\/img\/1.jpg","update_time":1,"albumtitle":"魔杰座","url":"https:\/\/a\/1.mp3",)"
              R"("file_ext":"mp3","artist":"周杰伦","is_royal":false,"kbps":"128","available_formats":{}}]})";
    return answer;
}

void BM_CutNineFields(benchmark::State &state)
{
    const QByteArray answer = largeAnswer();
    static constexpr const char *markers[][2] = {
        {"\"albumtitle\":\"", "\",\"url"}, {"\"title\":\"", "\",\"sid"},        {"\"artist\":\"", "\",\"is_royal"},
        {"\"url\":\"", "\",\"file_ext"},   {"\"picture\":\"", "\",\"update_time"}, {"\"sid\":\"", "\",\"sha256"},
        {"\"ssid\":\"", "\",\"title"},     {"\"kbps\":\"", "\",\"available_formats"}, {"\"album\":\"", "\",\"ssid"}};
    for (auto _ : state) {
        for (const auto &pair : markers)
            benchmark::DoNotOptimize(cutBetween(answer, pair[0], pair[1]));
    }
    state.SetBytesProcessed(state.iterations() * answer.size() * 9);
}
BENCHMARK(BM_CutNineFields)->Unit(benchmark::kMillisecond);

} // namespace
