#pragma once
// libcurl's process-wide state: the one-time global initialisation and the cookie store that
// every call without a caller-managed cookie text shares (DNS answers are shared as well).

#include <curl/curl.h>

#include <array>
#include <mutex>

namespace nomvera::web {

// curl_global_init, exactly once and thread-safely, before the first transfer.
void InitCurlOnce();

class CurlShare {
public:
    // Created on first use and never destroyed: worker threads may still run transfers at exit.
    static CurlShare& Instance();

    CurlShare(const CurlShare&) = delete;
    CurlShare& operator=(const CurlShare&) = delete;

    // nullptr when libcurl could not create the share; transfers then run without a shared store.
    CURLSH* handle() const { return share_; }

    // Forgets every cookie of the process-wide store.
    void ClearCookies();

private:
    CurlShare();

    static void Lock(CURL* easy, curl_lock_data data, curl_lock_access access, void* user);
    static void Unlock(CURL* easy, curl_lock_data data, void* user);
    std::mutex& MutexFor(curl_lock_data data);

    CURLSH* share_ = nullptr;
    std::array<std::mutex, CURL_LOCK_DATA_LAST> mutexes_;
};

}  // namespace nomvera::web
