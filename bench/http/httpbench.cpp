#include "platform/components/httprequest/httprequestcomponent.h"
#include "platform/toolkit/curlsupport.h"
#include "wrappers/httprequest.h"

#include <httplib.h>

#include <benchmark/benchmark.h>

#include <string>
#include <thread>

// Sequential GETs of a playlist-sized answer from a server on 127.0.0.1: the program's request path
// (HttpRequest's open, send, responseText through the automation layer and the component) beside plain
// libcurl on one reused handle. The ratio of the two rates is the cost of the layers above curl.
namespace {

// About the size of a playlist answer.
const std::string kAnswer = "{\"song\":[{\"title\":\"" + std::string(2000, 'x') + "\"}]}";

class LocalServer {
public:
    LocalServer()
    {
        m_server.set_tcp_nodelay(true);
        m_server.Get("/playlist", [](const httplib::Request &, httplib::Response &response) {
            response.set_content(kAnswer, "application/json; charset=utf-8");
        });
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
    }
    ~LocalServer()
    {
        while (!m_server.is_running())
            std::this_thread::yield();
        m_server.stop();
        m_thread.join();
    }

    QByteArray url() const { return "http://127.0.0.1:" + QByteArray::number(m_port) + "/playlist"; }

private:
    httplib::Server m_server;
    std::thread m_thread;
    int m_port = 0;
};

const LocalServer &server()
{
    static const LocalServer instance;
    return instance;
}

size_t appendTo(char *data, size_t size, size_t count, void *userData)
{
    static_cast<std::string *>(userData)->append(data, size * count);
    return size * count;
}

void BM_HttpRequestGet(benchmark::State &state)
{
    registerHttpRequestComponent();
    const QByteArray url = server().url();
    HttpRequest request;
    for (auto _ : state) {
        request.open("GET", url);
        request.send();
        const QByteArray text = request.responseText();
        if (text.size() != qsizetype(kAnswer.size()))
            state.SkipWithError("wrong answer");
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HttpRequestGet)->UseRealTime();

void BM_PlainCurlGet(benchmark::State &state)
{
    const QByteArray url = server().url();
    const CurlEasyHandle handle = CurlSupport::makeEasyHandle();
    std::string body;
    curl_easy_setopt(handle.get(), CURLOPT_URL, url.constData());
    curl_easy_setopt(handle.get(), CURLOPT_WRITEFUNCTION, appendTo);
    curl_easy_setopt(handle.get(), CURLOPT_WRITEDATA, &body);
    for (auto _ : state) {
        body.clear();
        if (curl_easy_perform(handle.get()) != CURLE_OK || body.size() != kAnswer.size())
            state.SkipWithError("request failed");
        benchmark::DoNotOptimize(body);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PlainCurlGet)->UseRealTime();

} // namespace
