#pragma once
// Starts the stand-in lookup service on a free loopback port for one test or benchmark, and stops
// it again. The service prints "listening on 127.0.0.1:PORT" once it accepts connections.

#include <string>
#include <sys/types.h>
#include <vector>

namespace nomvera::testing {

class StandInProcess {
public:
    // `arguments` are passed after "--port 0"; `executable` defaults to the built stand-in.
    explicit StandInProcess(std::vector<std::string> arguments = {}, std::string executable = {});
    ~StandInProcess();
    StandInProcess(const StandInProcess&) = delete;
    StandInProcess& operator=(const StandInProcess&) = delete;

    bool running() const { return port_ > 0; }
    int port() const { return port_; }
    std::string host() const;  // "127.0.0.1:PORT"

private:
    pid_t pid_ = -1;
    std::string outputPath_;
    int port_ = 0;
};

}  // namespace nomvera::testing
