#pragma once
// The request token computed without the script engine: AES-256-CBC with PKCS#7 padding over
// the UTF-8 bytes, written in standard Base64 (OpenSSL EVP), to check the script against.

#include <openssl/evp.h>

#include <string>
#include <string_view>
#include <vector>

namespace nomvera::lookup::testing {

inline std::string OracleToken(std::string_view utf8) {
    static const unsigned char kKey[] = "pewrondabsilfegotunimascorvelthy";
    static const unsigned char kIv[] = "9071350624819063";
    std::vector<unsigned char> cipher(utf8.size() + 32);
    int written = 0;
    int last = 0;
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    const bool ok =
        ctx != nullptr && EVP_EncryptInit_ex(ctx, EVP_aes_256_cbc(), nullptr, kKey, kIv) == 1 &&
        EVP_EncryptUpdate(ctx, cipher.data(), &written, reinterpret_cast<const unsigned char*>(utf8.data()),
                          static_cast<int>(utf8.size())) == 1 &&
        EVP_EncryptFinal_ex(ctx, cipher.data() + written, &last) == 1;
    EVP_CIPHER_CTX_free(ctx);
    if (!ok) return "<openssl failed>";
    std::string base64(4 * ((written + last + 2) / 3) + 1, '\0');
    const int length =
        EVP_EncodeBlock(reinterpret_cast<unsigned char*>(base64.data()), cipher.data(), written + last);
    base64.resize(static_cast<std::size_t>(length));
    return base64;
}

// Percent-encoding with A-Z a-z 0-9 - . kept, written out here so that the test does not check
// the request body with the routine that built it.
inline std::string PercentEncoded(std::string_view bytes) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        const bool keep = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                          c == '-' || c == '.';
        if (keep) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back('%');
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 15]);
        }
    }
    return out;
}

}  // namespace nomvera::lookup::testing
