// demo-station [--port N] [--fault NAME] [--fault-path PREFIX] [--delay MS]
// Serves the demo station on 127.0.0.1 until SIGINT or SIGTERM.
#include "demostation.h"

#include <charconv>
#include <csignal>
#include <iostream>
#include <optional>
#include <string>

namespace {

std::optional<int> parseNumber(const std::string &text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

struct Options {
    int port = 0;
    Fault fault = Fault::None;
    std::string faultPath;
    std::optional<int> delayMs;
};

std::optional<Options> parseOptions(int argc, char **argv)
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--port") {
            const auto port = parseNumber(value);
            if (!port)
                return std::nullopt;
            options.port = *port;
        } else if (name == "--fault") {
            const auto fault = faultFromName(value);
            if (!fault)
                return std::nullopt;
            options.fault = *fault;
        } else if (name == "--fault-path") {
            options.faultPath = value;
        } else if (name == "--delay") {
            options.delayMs = parseNumber(value);
            if (!options.delayMs)
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (argc % 2 == 0)
        return std::nullopt;
    return options;
}

} // namespace

int main(int argc, char **argv)
{
    const auto options = parseOptions(argc, argv);
    if (!options) {
        std::cerr << "usage: demo-station [--port N] [--fault NAME] [--fault-path PREFIX] [--delay MS]\n"
                     "faults: empty-answer server-error login-page garbage invalid-utf8 missing-fields slow-answer\n"
                     "        cut-mid-body no-lyric-match set-cookies\n";
        return 2;
    }

    // Blocked before the server threads exist, so that they inherit the mask and sigwait gets the signal.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    DemoStation station;
    station.setFault(options->fault, options->faultPath);
    if (options->delayMs)
        station.setSlowDelay(std::chrono::milliseconds(*options->delayMs));
    if (station.start(options->port) == 0) {
        std::cerr << "demo-station: cannot listen on 127.0.0.1:" << options->port << "\n";
        return 1;
    }
    std::cout << "demo-station listening on " << station.rootUrl() << std::endl;

    int received = 0;
    sigwait(&signals, &received);
    station.stop();
    return 0;
}
