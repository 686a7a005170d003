#include "StandInProcess.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace nomvera::testing {
namespace {

// Waits until the service has written its "listening on" line to its output file.
int WaitForListeningPort(const std::string& outputPath, pid_t pid) {
    const std::string marker = "listening on 127.0.0.1:";
    for (int attempt = 0; attempt < 400; ++attempt) {  // at most ~20 s
        if (FILE* f = std::fopen(outputPath.c_str(), "r")) {
            char line[512];
            while (std::fgets(line, sizeof line, f)) {
                const char* at = std::strstr(line, marker.c_str());
                if (at && std::strchr(at, '\n')) {
                    std::fclose(f);
                    return std::atoi(at + marker.size());
                }
            }
            std::fclose(f);
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) return 0;  // it gave up
        usleep(50 * 1000);
    }
    return 0;
}

}  // namespace

StandInProcess::StandInProcess(std::vector<std::string> arguments, std::string executable) {
    if (executable.empty()) executable = NOMVERA_LOOKUP_SIM_PATH;
    std::vector<std::string> argvText{executable, "--port", "0"};
    argvText.insert(argvText.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& a : argvText) argv.push_back(a.data());
    argv.push_back(nullptr);

    // Its output goes to a file rather than a pipe, so the service never blocks on a reader.
    char pathTemplate[] = "/tmp/nomvera-standin-XXXXXX";
    const int fd = mkstemp(pathTemplate);
    if (fd < 0) return;
    outputPath_ = pathTemplate;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fd, STDOUT_FILENO);
    const int rc = posix_spawn(&pid_, executable.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fd);
    if (rc != 0) {
        pid_ = -1;
        return;
    }
    port_ = WaitForListeningPort(outputPath_, pid_);
}

StandInProcess::~StandInProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
    if (!outputPath_.empty()) unlink(outputPath_.c_str());
}

std::string StandInProcess::host() const { return "127.0.0.1:" + std::to_string(port_); }

}  // namespace nomvera::testing
