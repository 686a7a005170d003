// nomvera-lookup-sim: the stand-in for the lookup service, the IP search page and the maker's
// pages, on 127.0.0.1, so that the program, its demo and its tests run offline.

#include <event2/event.h>
#include <event2/thread.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ListenSocket.h"
#include "LoopServer.h"
#include "Options.h"
#include "ProfileFile.h"
#include "SiteContent.h"
#include "SitePages.h"

namespace {

using nomvera::sim::LoopServer;

void OnStopSignal(evutil_socket_t, short, void* servers) {
    for (auto& server : *static_cast<std::vector<std::unique_ptr<LoopServer>>*>(servers)) server->Stop();
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "nomvera-lookup-sim: %s\n", message.c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace nomvera::sim;
    const ParsedOptions parsed = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) return Fail(parsed.error + " (see --help)");
    if (parsed.showHelp) {
        std::fputs(HelpText().c_str(), stdout);
        return 0;
    }
    RaiseOpenFileLimit();
    std::signal(SIGPIPE, SIG_IGN);
    if (evthread_use_pthreads() != 0) return Fail("libevent threads unavailable");

    auto site = std::make_unique<SiteContent>();
    site->options = parsed.options;
    if (!site->options.profilesPath.empty()) {
        ProfileFileResult file = ReadProfileFile(site->options.profilesPath);
        if (!file.error.empty()) return Fail(file.error);
        site->fixedProfiles = std::move(file.profiles);
    }
    site->versionPage = VersionPage(site->options.versionAnnounce);
    if (site->versionPage.empty()) return Fail("cannot convert the version page to code page 936");

    // Several loops share one port through SO_REUSEPORT; the first socket fixes the port.
    const int threads = site->options.threads;
    std::vector<int> sockets;
    int port = site->options.port;
    for (int i = 0; i < threads; ++i) {
        std::string error;
        const int fd = OpenListenSocket(port, threads > 1, error);
        if (fd < 0) return Fail(error);
        if (i == 0) port = BoundPort(fd);
        sockets.push_back(fd);
    }
    site->port = port;

    std::vector<std::unique_ptr<LoopServer>> servers;
    for (int i = 0; i < threads; ++i) {
        servers.push_back(std::make_unique<LoopServer>(*site, sockets[static_cast<std::size_t>(i)],
                                                       site->options.seed + static_cast<std::uint64_t>(i)));
        if (!servers.back()->ok()) return Fail("cannot start the HTTP server");
    }
    event* sigint = evsignal_new(servers[0]->base(), SIGINT, &OnStopSignal, &servers);
    event* sigterm = evsignal_new(servers[0]->base(), SIGTERM, &OnStopSignal, &servers);
    evsignal_add(sigint, nullptr);
    evsignal_add(sigterm, nullptr);

    std::vector<std::thread> loops;
    for (int i = 1; i < threads; ++i)
        loops.emplace_back([&servers, i] { servers[static_cast<std::size_t>(i)]->Run(); });
    std::printf("listening on 127.0.0.1:%d\n", port);
    std::fflush(stdout);
    servers[0]->Run();
    for (auto& server : servers) server->Stop();
    for (auto& loop : loops) loop.join();

    event_free(sigint);
    event_free(sigterm);
    servers.clear();  // evhttp_free closes the listening sockets it was handed
    libevent_global_shutdown();
    return 0;
}
