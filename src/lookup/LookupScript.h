#pragma once
// The script that computes a lookup's request token: the CryptoJS AES rollup followed by our
// function b(u), which encrypts u (AES-256-CBC, PKCS#7) under a fixed key and IV and returns
// the Base64 text of the ciphertext.

#include <string>

#include "automation/CompiledScript.h"

namespace nomvera::lookup {

// The script text (ASCII, so equally code page 936).
const std::string& LookupScript();

// The same script compiled once, on first use, from any thread.
const automation::CompiledScript& CompiledLookupScript();

}  // namespace nomvera::lookup
