#pragma once
// The request token: AES-256-CBC with PKCS#7 padding under the fixed key and IV, in standard
// Base64. One object per event loop: it keeps its key schedule between requests.

#include <string>
#include <string_view>

typedef struct evp_cipher_st EVP_CIPHER;
typedef struct evp_cipher_ctx_st EVP_CIPHER_CTX;

namespace nomvera::sim {

class TokenCipher {
public:
    TokenCipher();
    ~TokenCipher();
    TokenCipher(const TokenCipher&) = delete;
    TokenCipher& operator=(const TokenCipher&) = delete;

    // The token of the UTF-8 account bytes; empty if the cipher failed.
    std::string Token(std::string_view accountUtf8);
    bool Matches(std::string_view accountUtf8, std::string_view token);

private:
    EVP_CIPHER* cipher_ = nullptr;
    EVP_CIPHER_CTX* context_ = nullptr;
};

}  // namespace nomvera::sim
