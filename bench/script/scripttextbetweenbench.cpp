#include "platform/components/scriptcontrol/scriptcontrolcomponent.h"
#include "wrappers/httprequest.h"
#include "wrappers/responsecookies.h"

#include <benchmark/benchmark.h>

namespace {

// The headers of an answer that logs a user in, the text a cookie is read from.
const QByteArray kHeaders = "Server: nginx\r\n"
                            "Date: Mon, 01 Jan 2024 00:00:00 GMT\r\n"
                            "Content-Type: application/json; charset=utf-8\r\n"
                            "Content-Length: 94\r\n"
                            "Connection: keep-alive\r\n"
                            "Set-Cookie: bid=Xk3f9QaLm2E; Expires=Fri, 01 Jan 2038 00:00:00 GMT; Path=/\r\n"
                            "Set-Cookie: ll=\"108288\"; Path=/\r\n"
                            "Set-Cookie: sid=Qk7fL2ma9x; Path=/; HttpOnly\r\n"
                            "Set-Cookie: uid=1001; Expires=Fri, 01 Jan 2038 00:00:00 GMT; Path=/\r\n"
                            "X-Frame-Options: SAMEORIGIN\r\n";

// One extraction as the cookie reader makes it: a script engine made, used once and destroyed.
void BM_ScriptTextBetween(benchmark::State &state)
{
    registerScriptControlComponent();
    for (auto _ : state)
        benchmark::DoNotOptimize(scriptTextBetween(kHeaders, "Set-Cookie: sid=", ";"));
}
BENCHMARK(BM_ScriptTextBetween)->Unit(benchmark::kMicrosecond);

// The same text cut by a plain substring search.
void BM_PlainTextBetween(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(HttpRequest::textBetween(kHeaders, "Set-Cookie: sid=", ";"));
}
BENCHMARK(BM_PlainTextBetween)->Unit(benchmark::kMicrosecond);

} // namespace
