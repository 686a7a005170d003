#include "lookup/LookupRequest.h"

#include "automation/ScriptObject.h"
#include "lookup/LookupScript.h"
#include "web/CodePage.h"
#include "web/TextRoutines.h"

namespace nomvera::lookup {
namespace {

// Bytes of the character that starts at `at`: a byte of 0x80 or above takes the next one along.
std::size_t CharLength(std::string_view text, std::size_t at) {
    return static_cast<unsigned char>(text[at]) >= 0x80 && at + 1 < text.size() ? 2 : 1;
}

// Every `what` or `orWhat` that starts on a character boundary, removed in one pass (so a
// byte pair inside a double-byte character is never taken for one).
std::string RemoveAll(std::string_view text, std::string_view what, std::string_view orWhat = {}) {
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const std::string_view rest = text.substr(at);
        if (rest.starts_with(what) || (!orWhat.empty() && rest.starts_with(orWhat))) {
            at += rest.starts_with(what) ? what.size() : orWhat.size();
            continue;
        }
        const std::size_t length = CharLength(text, at);
        out.append(text.substr(at, length));
        at += length;
    }
    return out;
}

}  // namespace

std::string CleanAccount(std::string_view text) {
    static const std::string kFullWidthSpace = web::Local("\u3000");  // full-width space
    return RemoveAll(RemoveAll(text, "\r\n"), " ", kFullWidthSpace);
}

std::string ComputeRequestToken(std::string_view account) {
    // A fresh engine per token; only the compiled form of the script is shared, read-only.
    automation::ScriptObject script;
    CompiledLookupScript().RunIn(script);  // a failure shows as an empty token below
    return script.CallProcedure("b", account);
}

std::string BuildLookupRequest(std::string_view account) {
    return "nick=" + web::UrlEncode(account, true, true) +
           "&stype=1&k=" + web::UrlEncode(ComputeRequestToken(account), true, false);
}

}  // namespace nomvera::lookup
