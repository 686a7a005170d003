#include "web/HttpEngine.h"

#include <cstdio>
#include <optional>

#include "web/Cookies.h"
#include "web/CurlShare.h"
#include "web/HeaderBlock.h"
#include "web/HttpTransfer.h"
#include "web/TextRoutines.h"
#include "web/UrlSplitting.h"

namespace nomvera::web {

namespace {

constexpr long kMaxRedirects = 30;  // ends a redirect loop instead of following it forever

bool IsHostByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_';
}

// The address libcurl is handed, rebuilt from the engine's own URL splitting so that the host,
// the port and the object path are exactly those the fixed rules name. No address when the host
// could never resolve (the fixed rules let a query or blanks into it): the send then fails.
std::optional<std::string> TransferUrl(const std::string& url, bool secure) {
    const std::string host = GetUrlHost(url);
    if (host.empty()) return std::nullopt;
    for (char c : host) {
        if (!IsHostByte(c)) return std::nullopt;
    }
    int port = GetUrlPort(url);
    if (port < 0 || port > 65535) return std::nullopt;
    if (port == 0) port = secure ? 443 : 80;  // port 0 asks for the service's default port
    std::string target = std::string(secure ? "https://" : "http://") + host + ":" + std::to_string(port);
    // Blanks and control bytes are not allowed into a libcurl address; they go out escaped.
    for (char c : GetUrlPath(url)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F) {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
            target += escaped;
        } else {
            target += c;
        }
    }
    return target;
}

void SetRequestOptions(CURL* easy, const std::string& address, const std::string& agent,
                       const std::string& proxy, bool noRedirect, const HttpControl& control) {
    curl_easy_setopt(easy, CURLOPT_URL, address.c_str());
    curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);  // many threads at once: no alarm() around DNS
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, noRedirect ? 0L : 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(easy, CURLOPT_PATH_AS_IS, 1L);  // the object path goes out as written
    curl_easy_setopt(easy, CURLOPT_BUFFERSIZE, 1024L);
    curl_easy_setopt(easy, CURLOPT_HTTP_CONTENT_DECODING, 0L);  // the body comes back as received
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(easy, CURLOPT_USERAGENT, agent.c_str());
    // host:port names an HTTP proxy for both schemes (https goes through it by CONNECT). An empty
    // proxy means a direct connection and also keeps libcurl from taking one out of the environment.
    curl_easy_setopt(easy, CURLOPT_PROXY, proxy.c_str());
    if (control.connectTimeoutSeconds > 0) {
        curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT, control.connectTimeoutSeconds);
    }
    if (control.idleTimeoutSeconds > 0) {
        curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, control.idleTimeoutSeconds);
    }
}

void SetMethod(CURL* easy, int method, const std::string& body) {
    if (method == 1) {
        curl_easy_setopt(easy, CURLOPT_POST, 1L);
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
        curl_easy_setopt(easy, CURLOPT_POSTFIELDS, body.data());
    } else if (method == 2) {
        curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
    } else {
        curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
    }
}

std::string Exchange(const std::string& url, int method, const std::string& textBody, std::string* cookies,
                     std::string* receivedCookies, std::string* headers, std::string* responseHeaders,
                     bool noRedirect, std::string* byteBody, const std::string& proxy,
                     const HttpControl& control) {
    InitCurlOnce();
    if (method < 0 || method > 2) method = 0;
    const bool secure = detail::LowerLocal(std::string_view(url).substr(0, 5)) == "https";

    HttpTransfer transfer(control);
    if (!transfer.Open()) return std::string();

    std::string ownHeaders;
    std::string& block = headers != nullptr ? *headers : ownHeaders;
    const std::string agent = UserAgentOf(block);  // from the caller's lines, before completion
    CompleteRequestHeaders(block, url, cookies);

    std::string ownBody;
    std::string& sentBody = byteBody != nullptr ? *byteBody : ownBody;
    if (method != 0 && sentBody.empty()) sentBody = textBody;

    const std::optional<std::string> address = TransferUrl(url, secure);
    if (address && transfer.SetHeaders(CurlHeaderEntries(block))) {
        CURL* easy = transfer.easy();
        SetRequestOptions(easy, *address, agent, proxy, noRedirect, control);
        SetMethod(easy, method, sentBody);
        // A caller-managed cookie text keeps this call away from the process-wide store.
        CURLSH* share = CurlShare::Instance().handle();
        if (cookies == nullptr && share != nullptr) {
            curl_easy_setopt(easy, CURLOPT_SHARE, share);
            curl_easy_setopt(easy, CURLOPT_COOKIEFILE, "");
        }
        transfer.Run();
    }

    std::string headerText = ResponseHeadersText(transfer.headerBlock, transfer.headersComplete);
    std::string received = ReceivedCookiesOf(headerText);
    if (cookies != nullptr) MergeCookies(*cookies, received);
    if (responseHeaders != nullptr) *responseHeaders = std::move(headerText);
    if (receivedCookies != nullptr) *receivedCookies = std::move(received);
    return std::move(transfer.body);
}

}  // namespace

std::string HttpEngine(const std::string& url, int method, const std::string& textBody, std::string* cookies,
                       std::string* receivedCookies, std::string* headers, std::string* responseHeaders,
                       bool noRedirect, std::string* byteBody, const std::string& proxy,
                       const HttpControl* control) {
    try {
        const HttpControl defaults;
        return Exchange(url, method, textBody, cookies, receivedCookies, headers, responseHeaders, noRedirect,
                        byteBody, proxy, control != nullptr ? *control : defaults);
    } catch (...) {
        return std::string();  // only an exhausted heap gets here
    }
}

}  // namespace nomvera::web
