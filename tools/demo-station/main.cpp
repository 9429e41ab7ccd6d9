// demo-station [--port N] [--fault NAME] [--fault-path PREFIX] [--delay MS] [--fault-seconds N]
//              [--audio-file PATH] [--print-requests]
// Serves the demo station on 127.0.0.1 until SIGINT or SIGTERM. --fault-seconds ends the fault after that
// long, so a client can be watched recovering; --audio-file serves that file (an MP3) for every song;
// --print-requests lists every request received when the station ends.
#include "demostation.h"

#include <charconv>
#include <csignal>
#include <ctime>
#include <fstream>
#include <iostream>
#include <iterator>
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
    std::optional<int> faultSeconds;
    std::string audioFile;
    bool printRequests = false;
};

std::optional<std::string> readFile(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::optional<Options> parseOptions(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; i += 2) {
        if (argv[i] == std::string("--print-requests")) {
            options.printRequests = true;
            --i;
            continue;
        }
        if (i + 1 >= argc)
            return std::nullopt;
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
        } else if (name == "--fault-seconds") {
            options.faultSeconds = parseNumber(value);
            if (!options.faultSeconds)
                return std::nullopt;
        } else if (name == "--audio-file") {
            options.audioFile = value;
        } else if (name == "--delay") {
            options.delayMs = parseNumber(value);
            if (!options.delayMs)
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

} // namespace

int main(int argc, char **argv)
{
    const auto options = parseOptions(argc, argv);
    if (!options) {
        std::cerr << "usage: demo-station [--port N] [--fault NAME] [--fault-path PREFIX] [--delay MS]\n"
                     "                    [--fault-seconds N] [--audio-file PATH] [--print-requests]\n"
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
    if (!options->audioFile.empty()) {
        const auto bytes = readFile(options->audioFile);
        if (!bytes || bytes->empty()) {
            std::cerr << "demo-station: cannot read " << options->audioFile << "\n";
            return 1;
        }
        station.setAudioFile(*bytes, options->audioFile.ends_with(".mp3") ? "audio/mpeg" : "application/octet-stream");
    }
    if (station.start(options->port) == 0) {
        std::cerr << "demo-station: cannot listen on 127.0.0.1:" << options->port << "\n";
        return 1;
    }
    std::cout << "demo-station listening on " << station.rootUrl() << std::endl;

    const timespec faultTime{options->faultSeconds.value_or(0), 0};
    if (!options->faultSeconds || sigtimedwait(&signals, nullptr, &faultTime) < 0) {
        if (options->faultSeconds) {
            station.setFault(Fault::None);
            std::cout << "demo-station: fault over" << std::endl;
        }
        int received = 0;
        sigwait(&signals, &received);
    }
    station.stop();
    if (options->printRequests) {
        for (const auto &request : station.requestLog())
            std::cout << request.method << ' ' << request.target << '\n';
        std::cout.flush();
    }
    return 0;
}
