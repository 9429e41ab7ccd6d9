// The media player component beside the bare mpv player, both playing the same WAV song from a loopback
// server for the same time, one after the other and in alternating order: CPU time (user + system) and
// peak resident memory of each process. The goal is component CPU within 1.3 times mpv's.
//
// Flags of its own, before Google Benchmark's: --seconds=N, how long each plays (default 15; 60 for the
// long run), --rounds=N, how many times each plays (default 3).

#include "media.h"

#include <benchmark/benchmark.h>
#include <httplib.h>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char **environ;

namespace {

int g_seconds = 15;
int g_rounds = 3;

struct Usage {
    double cpuSeconds = 0;
    double peakMiB = 0;
    bool played = false;
};

double secondsOf(const timeval &time)
{
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

// Runs the program with its output thrown away; when stopAfter is positive, ends it with SIGTERM after that
// many seconds. played: it exited normally with 0, or it was ended by us.
Usage run(const std::vector<std::string> &args, int stopAfter)
{
    std::vector<char *> argv;
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return {};

    if (stopAfter > 0) {
        std::this_thread::sleep_for(std::chrono::seconds(stopAfter));
        kill(pid, SIGTERM);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return {};
    const bool played = (WIFEXITED(status) && WEXITSTATUS(status) == 0)
                        || (stopAfter > 0 && WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    return {secondsOf(usage.ru_utime) + secondsOf(usage.ru_stime), usage.ru_maxrss / 1024.0, played};
}

// Serves one song, long enough for every run, at /song.wav.
class SongServer {
public:
    SongServer()
        : m_song(melodyWav(g_seconds + 10, 7))
    {
        m_server.set_tcp_nodelay(true);
        m_server.Get("/song.wav", [this](const httplib::Request &, httplib::Response &response) {
            response.set_content(m_song, "audio/wav");
        });
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
    }
    ~SongServer()
    {
        while (!m_server.is_running())
            std::this_thread::yield();
        m_server.stop();
        m_thread.join();
    }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(m_port) + "/song.wav"; }

private:
    std::string m_song;
    httplib::Server m_server;
    std::thread m_thread;
    int m_port = 0;
};

void BM_ComponentBesideMpv(benchmark::State &state)
{
    SongServer server;
    const std::string seconds = std::to_string(g_seconds);
    const std::vector<std::string> component = {QUORIN_PLAYER_SONG, server.url(), seconds};
    const std::vector<std::string> mpv = {"/usr/bin/mpv", "--no-video", "--ao=null", "--no-terminal", server.url()};

    Usage componentTotal;
    Usage mpvTotal;
    int round = 0;
    for (auto _ : state) {
        Usage ours;
        Usage theirs;
        if (round++ % 2 == 0) {
            ours = run(component, 0);
            theirs = run(mpv, g_seconds);
        } else {
            theirs = run(mpv, g_seconds);
            ours = run(component, 0);
        }
        if (!ours.played || !theirs.played) {
            state.SkipWithError("a player did not play the song to the end of its time");
            break;
        }
        state.SetIterationTime(ours.cpuSeconds);
        componentTotal.cpuSeconds += ours.cpuSeconds;
        mpvTotal.cpuSeconds += theirs.cpuSeconds;
        componentTotal.peakMiB = std::max(componentTotal.peakMiB, ours.peakMiB);
        mpvTotal.peakMiB = std::max(mpvTotal.peakMiB, theirs.peakMiB);
    }
    if (round == 0 || mpvTotal.cpuSeconds <= 0)
        return;
    state.counters["seconds_played"] = g_seconds;
    state.counters["component_cpu_s"] = componentTotal.cpuSeconds / round;
    state.counters["mpv_cpu_s"] = mpvTotal.cpuSeconds / round;
    state.counters["cpu_ratio"] = componentTotal.cpuSeconds / mpvTotal.cpuSeconds;
    state.counters["component_peak_MiB"] = componentTotal.peakMiB;
    state.counters["mpv_peak_MiB"] = mpvTotal.peakMiB;
    state.counters["peak_ratio"] = componentTotal.peakMiB / mpvTotal.peakMiB;
}

// Takes our own flags out of argv, leaving Google Benchmark's.
void takeOwnFlags(int &argc, char **argv)
{
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--seconds=", 10) == 0)
            g_seconds = std::max(1, std::atoi(argv[i] + 10));
        else if (std::strncmp(argv[i], "--rounds=", 9) == 0)
            g_rounds = std::max(1, std::atoi(argv[i] + 9));
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
}

} // namespace

int main(int argc, char **argv)
{
    takeOwnFlags(argc, argv);
    benchmark::RegisterBenchmark("BM_ComponentBesideMpv", BM_ComponentBesideMpv)
        ->Iterations(g_rounds)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
