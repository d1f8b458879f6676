#pragma once
// A private PulseAudio server for one test: its home, runtime folder and only socket in a folder of
// the test's, one null sink in the effects' own format (so that what the game plays reaches the
// sink's monitor sample for sample; without rewinds, which a recording of the monitor cannot follow
// and which would cut a few milliseconds off the start of an effect) and no other device. Its
// monitor can be recorded to a file in real time.

#include "TGameSoundOutput.h"

#include <array>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

class TPulseServer {
public:
    // Starts the server and waits until it listens; Running() tells whether it
    // does, false where pulseaudio is not installed.
    explicit TPulseServer(std::string folder) : Folder(std::move(folder))
    {
        std::filesystem::create_directories(Folder);
        Server = Spawn(
            "exec env HOME=" + Folder + " XDG_RUNTIME_DIR=" + Folder + " pulseaudio -n " +
            "--daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=file:" + Folder +
            "log -L 'module-null-sink sink_name=tolm norewinds=1 format=s16le " +
            "channels=1 rate=" + Rate + "' -L 'module-native-protocol-unix " +
            "auth-anonymous=1 socket=" + Folder + "socket'");
        for (int i = 0; i < 200 && !Running() && waitpid(Server, nullptr, WNOHANG) == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ~TPulseServer()
    {
        End(Recorder);
        End(Server);
    }
    TPulseServer(const TPulseServer&) = delete;
    TPulseServer& operator=(const TPulseServer&) = delete;

    bool Running() const { return std::filesystem::is_socket(Folder + "socket"); }
    std::string Address() const { return "unix:" + Folder + "socket"; }

    // From now on the sink's monitor goes to path, as the effects' samples;
    // returns once the first of them are there (about a second later).
    void Record(const std::string& path)
    {
        End(Recorder);
        Recorder =
            Spawn("exec parec --server=" + Address() + " --device=tolm.monitor --raw" +
                  " --format=s16ne --channels=1 --latency-msec=10 --rate=" + Rate + " >" + path);
        std::error_code missing;
        for (int i = 0; i < 200 && std::filesystem::file_size(path, missing) == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }

    // Whether the game's stream is corked, as the server tells: "yes",
    // "no", or "" while there is none.
    std::string Corked() const
    {
        const std::string command =
            "pactl --server=" + Address() + " list sink-inputs | sed -n 's/.*Corked: //p'";
        std::string told(8, '\0');
        FILE* pactl = popen(command.c_str(), "r");
        told.resize(pactl != nullptr ? std::fread(told.data(), 1, told.size(), pactl) : 0);
        if (pactl != nullptr)
            pclose(pactl);
        return told.substr(0, told.find('\n'));
    }

private:
    // Starts the shell command.
    static pid_t Spawn(const std::string& command)
    {
        const std::array<const char*, 4> arguments = {"sh", "-c", command.c_str(), nullptr};
        pid_t pid = 0;
        const int failed = posix_spawn(&pid, "/bin/sh", nullptr, nullptr,
                                       const_cast<char**>(arguments.data()), environ);
        return failed ? 0 : pid;
    }
    static void End(pid_t& pid)
    {
        if (pid > 0 && kill(pid, SIGTERM) == 0)
            waitpid(pid, nullptr, 0);
        pid = 0;
    }

    const std::string Rate = std::to_string(TGameSoundOutput::Rate);
    std::string Folder;
    pid_t Server = 0;
    pid_t Recorder = 0;
};
