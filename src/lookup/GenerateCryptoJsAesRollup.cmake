# Writes the CryptoJS AES rollup into a C++ source: cmake -DINPUT=aes.js -DOUTPUT=x.cpp -P this.
# The token script relies on the rollup holding, in this order, the core (with enc.Utf8), Base64,
# MD5, EvpKDF, the cipher core (CBC, PKCS#7, the OpenSSL formatter) and AES; a different file
# stops the build here rather than giving wrong tokens later.
file(READ "${INPUT}" rollup)
set(position -1)
foreach(marker "CryptoJS=CryptoJS||" "Utf8=" "Base64=" "MD5=" "EvpKDF=" "Cipher=" "CBC=" "Pkcs7="
               "OpenSSL=" "AES=")
  string(FIND "${rollup}" "${marker}" found)
  if(found LESS_EQUAL position)
    message(FATAL_ERROR "${INPUT} is not the CryptoJS AES rollup expected (\"${marker}\" missing or out of order)")
  endif()
  set(position ${found})
endforeach()
if(rollup MATCHES "[^\t\n\r -~]")
  message(FATAL_ERROR "${INPUT} holds non-ASCII bytes; the token script must be plain ASCII")
endif()
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp" "// Generated from ${INPUT}; do not edit.
#include \"lookup/CryptoJsAesRollup.h\"

namespace nomvera::lookup {
namespace {
constexpr char kRollup[] = {
${bytes}};
}  // namespace

std::string_view CryptoJsAesRollup() { return std::string_view(kRollup, sizeof kRollup); }

}  // namespace nomvera::lookup
")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
