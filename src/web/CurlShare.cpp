#include "web/CurlShare.h"

#include <cstddef>

namespace nomvera::web {

void InitCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

CurlShare& CurlShare::Instance() {
    static CurlShare* const instance = new CurlShare;
    return *instance;
}

CurlShare::CurlShare() {
    InitCurlOnce();
    share_ = curl_share_init();
    if (share_ == nullptr) return;
    const bool ready = curl_share_setopt(share_, CURLSHOPT_LOCKFUNC, &CurlShare::Lock) == CURLSHE_OK &&
                       curl_share_setopt(share_, CURLSHOPT_UNLOCKFUNC, &CurlShare::Unlock) == CURLSHE_OK &&
                       curl_share_setopt(share_, CURLSHOPT_USERDATA, this) == CURLSHE_OK &&
                       curl_share_setopt(share_, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE) == CURLSHE_OK &&
                       curl_share_setopt(share_, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS) == CURLSHE_OK;
    if (!ready) {
        curl_share_cleanup(share_);
        share_ = nullptr;
    }
}

void CurlShare::ClearCookies() {
    if (share_ == nullptr) return;
    CURL* easy = curl_easy_init();
    if (easy == nullptr) return;
    curl_easy_setopt(easy, CURLOPT_SHARE, share_);
    curl_easy_setopt(easy, CURLOPT_COOKIELIST, "ALL");
    curl_easy_cleanup(easy);
}

std::mutex& CurlShare::MutexFor(curl_lock_data data) {
    const auto index = static_cast<std::size_t>(data);
    // libcurl names only the lock data below CURL_LOCK_DATA_LAST; anything else shares slot 0.
    return mutexes_[index < mutexes_.size() ? index : 0];
}

void CurlShare::Lock(CURL*, curl_lock_data data, curl_lock_access, void* user) {
    static_cast<CurlShare*>(user)->MutexFor(data).lock();
}

void CurlShare::Unlock(CURL*, curl_lock_data data, void* user) {
    static_cast<CurlShare*>(user)->MutexFor(data).unlock();
}

}  // namespace nomvera::web
