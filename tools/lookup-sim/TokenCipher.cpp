#include "TokenCipher.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <vector>

namespace nomvera::sim {
namespace {

constexpr char kKey[] = "pewrondabsilfegotunimascorvelthy";
constexpr char kIv[] = "9071350624819063";
static_assert(sizeof kKey - 1 == 32 && sizeof kIv - 1 == 16);

const unsigned char* Bytes(const char* text) {
    return reinterpret_cast<const unsigned char*>(text);
}

}  // namespace

TokenCipher::TokenCipher() {
    // An explicit fetch once, instead of the implicit fetch that every init with EVP_aes_256_cbc() makes.
    cipher_ = EVP_CIPHER_fetch(nullptr, "AES-256-CBC", nullptr);
    context_ = EVP_CIPHER_CTX_new();
    if (cipher_ && context_ &&
        EVP_EncryptInit_ex2(context_, cipher_, Bytes(kKey), Bytes(kIv), nullptr) != 1) {
        EVP_CIPHER_CTX_free(context_);
        context_ = nullptr;
    }
}

TokenCipher::~TokenCipher() {
    EVP_CIPHER_CTX_free(context_);
    EVP_CIPHER_free(cipher_);
}

std::string TokenCipher::Token(std::string_view accountUtf8) {
    if (!context_) return {};
    // Restarting with only the IV keeps the expanded key.
    if (EVP_EncryptInit_ex2(context_, nullptr, nullptr, Bytes(kIv), nullptr) != 1) return {};
    std::vector<unsigned char> cipherText(accountUtf8.size() + 16);
    int written = 0;
    int finalWritten = 0;
    if (EVP_EncryptUpdate(context_, cipherText.data(), &written, Bytes(accountUtf8.data()),
                          static_cast<int>(accountUtf8.size())) != 1 ||
        EVP_EncryptFinal_ex(context_, cipherText.data() + written, &finalWritten) != 1)
        return {};
    const int length = written + finalWritten;
    std::string base64(static_cast<std::size_t>(4 * ((length + 2) / 3)) + 1, '\0');
    const int encoded =
        EVP_EncodeBlock(reinterpret_cast<unsigned char*>(base64.data()), cipherText.data(), length);
    base64.resize(static_cast<std::size_t>(encoded));
    return base64;
}

bool TokenCipher::Matches(std::string_view accountUtf8, std::string_view token) {
    const std::string expected = Token(accountUtf8);
    return !expected.empty() && expected.size() == token.size() &&
           CRYPTO_memcmp(expected.data(), token.data(), token.size()) == 0;
}

}  // namespace nomvera::sim
