#pragma once
// The listening sockets, made by hand for a deep backlog: 127.0.0.1 only.

#include <string>

namespace nomvera::sim {

constexpr int kListenBacklog = 4096;

// A non-blocking socket listening on 127.0.0.1:port (0 = any free port); -1 on failure, with
// the reason in `error`. reusePort lets several loops listen on the same port.
int OpenListenSocket(int port, bool reusePort, std::string& error);
int BoundPort(int fd);

// Raises the soft limit of open files to the hard limit; gives the new soft limit.
long RaiseOpenFileLimit();

}  // namespace nomvera::sim
