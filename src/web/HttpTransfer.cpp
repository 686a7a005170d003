#include "web/HttpTransfer.h"

#include <algorithm>
#include <string_view>

#include "web/HeaderBlock.h"

namespace nomvera::web {

namespace {

// How long one wait for socket activity may last: the cancel flag is looked at in between, since
// libcurl's own progress callback comes only about once a second while nothing arrives.
constexpr int kCancelPollMilliseconds = 50;

}  // namespace

HttpTransfer::HttpTransfer(const HttpControl& control) : control_(control) {}

HttpTransfer::~HttpTransfer() {
    if (multi_ != nullptr && easy_ != nullptr) curl_multi_remove_handle(multi_, easy_);
    if (easy_ != nullptr) curl_easy_cleanup(easy_);
    if (multi_ != nullptr) curl_multi_cleanup(multi_);
    curl_slist_free_all(headerList_);
}

bool HttpTransfer::Open() {
    easy_ = curl_easy_init();
    multi_ = curl_multi_init();
    if (easy_ == nullptr || multi_ == nullptr) return false;
    curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, &HttpTransfer::OnBody);
    curl_easy_setopt(easy_, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(easy_, CURLOPT_HEADERFUNCTION, &HttpTransfer::OnHeader);
    curl_easy_setopt(easy_, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(easy_, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy_, CURLOPT_XFERINFOFUNCTION, &HttpTransfer::OnProgress);
    curl_easy_setopt(easy_, CURLOPT_XFERINFODATA, this);
    return true;
}

bool HttpTransfer::SetHeaders(const std::vector<std::string>& entries) {
    for (const std::string& entry : entries) {
        curl_slist* const grown = curl_slist_append(headerList_, entry.c_str());
        if (grown == nullptr) return false;
        headerList_ = grown;
    }
    return curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, headerList_) == CURLE_OK;
}

void HttpTransfer::Run() {
    if (Cancelled() || curl_multi_add_handle(multi_, easy_) != CURLM_OK) return;
    int running = 1;
    while (running != 0 && !Cancelled()) {
        if (curl_multi_perform(multi_, &running) != CURLM_OK || running == 0) break;
        if (curl_multi_poll(multi_, nullptr, 0, kCancelPollMilliseconds, nullptr) != CURLM_OK) break;
    }
    if (bodyTooLarge_) body.clear();
}

bool HttpTransfer::Cancelled() const {
    return control_.cancel != nullptr && control_.cancel->load(std::memory_order_relaxed);
}

std::size_t HttpTransfer::OnBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto* self = static_cast<HttpTransfer*>(user);
    const std::size_t bytes = size * count;
    if (self->Cancelled()) return 0;
    if (bytes > self->control_.maxBodyBytes - std::min(self->body.size(), self->control_.maxBodyBytes)) {
        self->bodyTooLarge_ = true;
        return 0;  // a short count makes libcurl abort the transfer
    }
    try {
        self->body.append(data, bytes);
    } catch (...) {
        self->bodyTooLarge_ = true;
        return 0;
    }
    return bytes;
}

std::size_t HttpTransfer::OnHeader(char* data, std::size_t size, std::size_t count, void* user) {
    auto* self = static_cast<HttpTransfer*>(user);
    const std::size_t bytes = size * count;
    if (self->Cancelled()) return 0;
    try {
        self->AddHeaderLine(std::string_view(data, bytes));
    } catch (...) {
        return 0;
    }
    return bytes;
}

void HttpTransfer::AddHeaderLine(std::string_view line) {
    // Each response (a redirect, an interim 1xx, a proxy's CONNECT answer) starts a new block.
    if (line.substr(0, 5) == "HTTP/") {
        headerBlock.clear();
        headersComplete = false;
    } else if (headersComplete) {
        return;  // trailers of a chunked body are no part of the block
    }
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    if (line.empty()) headersComplete = true;
    // A block that has outgrown the buffer reads as spaces anyway; stop growing it there.
    if (headerBlock.size() < kResponseHeaderBuffer + 2) {
        headerBlock.append(line);
        headerBlock.append("\r\n");
    }
}

int HttpTransfer::OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<HttpTransfer*>(user)->Cancelled() ? 1 : 0;
}

}  // namespace nomvera::web
