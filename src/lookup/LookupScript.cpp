#include "lookup/LookupScript.h"

#include "lookup/CryptoJsAesRollup.h"

namespace nomvera::lookup {
namespace {

constexpr const char* kTokenFunction = R"js(
function b(u) {
    var key = CryptoJS.enc.Utf8.parse("pewrondabsilfegotunimascorvelthy");
    var iv = CryptoJS.enc.Utf8.parse("9071350624819063");
    return CryptoJS.AES.encrypt(u, key, { iv: iv }).toString();
}
)js";

}  // namespace

const std::string& LookupScript() {
    static const std::string script = std::string(CryptoJsAesRollup()) + "\n" + kTokenFunction;
    return script;
}

const automation::CompiledScript& CompiledLookupScript() {
    static const automation::CompiledScript compiled = automation::CompiledScript::Compile(LookupScript());
    return compiled;
}

}  // namespace nomvera::lookup
