#pragma once
// One libcurl transfer with its own easy and multi handle: collects the body and the header block
// of the final response, and aborts promptly on the caller's cancel flag.

#include <curl/curl.h>

#include <string>
#include <vector>

#include "web/HttpEngine.h"

namespace nomvera::web {

class HttpTransfer {
public:
    explicit HttpTransfer(const HttpControl& control);
    ~HttpTransfer();
    HttpTransfer(const HttpTransfer&) = delete;
    HttpTransfer& operator=(const HttpTransfer&) = delete;

    // False when the handles cannot be created; nothing else may then be called.
    bool Open();

    // Options the engine sets per call; the collecting callbacks are already installed.
    CURL* easy() const { return easy_; }
    bool SetHeaders(const std::vector<std::string>& entries);

    // Runs until done, failed or cancelled. `body` is what arrived (empty when it passed
    // maxBodyBytes); `headerBlock` the last response's block, `headersComplete` when it ended.
    void Run();

    std::string body;
    std::string headerBlock;
    bool headersComplete = false;

private:
    static std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* user);
    static std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* user);
    static int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t);
    bool Cancelled() const;
    void AddHeaderLine(std::string_view line);

    const HttpControl& control_;
    CURL* easy_ = nullptr;
    CURLM* multi_ = nullptr;
    curl_slist* headerList_ = nullptr;
    bool bodyTooLarge_ = false;
};

}  // namespace nomvera::web
