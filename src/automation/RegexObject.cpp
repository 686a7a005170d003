// Positions are 0-based byte offsets in the code page 936 form of the subject: the exact place
// where the match (or the group) begins, -2 when there is none (no such match, or a group that
// took no part). The subject converts back to 936 unit by unit, so the byte length of the
// converted prefix is that place.

#include "automation/RegexObject.h"

#include "automation/EcmaPattern.h"
#include "automation/RegexEngine.h"
#include "automation/RegexReplace.h"
#include "web/CodePage.h"

namespace nomvera::automation {

struct RegexObject::State {
    std::u16string pattern;               // as set, after the quote escapes
    std::unique_ptr<RegexEngine> engine;  // empty when the pattern was rejected
    std::optional<MatchList> matches;     // empty when the search did not run to its end
};

namespace {

constexpr int kNoPosition = -2;

std::string WithQuoteEscapes(std::string_view pattern) {
    static const std::string kQuoteMark = web::Local("#引号");
    std::string out;
    out.reserve(pattern.size());
    size_t from = 0;
    for (size_t at = pattern.find(kQuoteMark); at != std::string_view::npos;
         at = pattern.find(kQuoteMark, from)) {
        out.append(pattern.substr(from, at - from));
        out += '"';
        from = at + kQuoteMark.size();
    }
    out.append(pattern.substr(from));
    return out;
}

int LocalOffset(std::u16string_view subject, size_t unitOffset) {
    return static_cast<int>(web::Utf16ToLocal(subject.substr(0, unitOffset)).size());
}

// Text of one group (0: the whole match) of one existing match; position is already kNoPosition.
std::string ReadSpan(const MatchList& matches, std::u16string_view subject, size_t match, size_t group,
                     int* position) {
    const size_t begin = matches.Begin(match, group);
    if (begin == MatchList::kUnset) return "";
    if (position != nullptr) *position = LocalOffset(subject, begin);
    return web::Utf16ToLocal(subject.substr(begin, matches.End(match, group) - begin));
}

}  // namespace

RegexObject::RegexObject() = default;
RegexObject::~RegexObject() = default;
RegexObject::RegexObject(RegexObject&&) noexcept = default;
RegexObject& RegexObject::operator=(RegexObject&&) noexcept = default;

void RegexObject::Destroy() {
    state_.reset();
    subject_.clear();
    subject_.shrink_to_fit();
}

RegexObject RegexObject::Copy() const {
    RegexObject copy;
    copy.state_ = state_;
    copy.subject_ = subject_;
    return copy;
}

bool RegexObject::Search(std::string_view pattern, std::string_view subject, bool caseSensitive,
                         bool multiline, bool global, bool quoteEscapes) {
    state_.reset();
    auto state = std::make_shared<State>();
    state->pattern = web::LocalToUtf16(quoteEscapes ? WithQuoteEscapes(pattern) : std::string(pattern));
    subject_ = web::LocalToUtf16(subject);
    if (const auto translated = TranslateEcmaPattern(state->pattern))
        state->engine = RegexEngine::Compile(*translated, !caseSensitive, multiline);
    if (state->engine) state->matches = state->engine->Collect(subject_, global);
    const bool ran = state->matches.has_value();
    state_ = std::move(state);
    return ran;
}

std::string RegexObject::GetPattern() const {
    return state_ ? web::Utf16ToLocal(state_->pattern) : "";
}

std::string RegexObject::ReplaceMatches(std::string_view replacement) const {
    if (!state_ || !state_->matches) return "";
    return web::Utf16ToLocal(ReplaceMatchesIn(subject_, *state_->matches, web::LocalToUtf16(replacement)));
}

int RegexObject::GetMatchCount() const {
    return state_ && state_->matches ? static_cast<int>(state_->matches->Count()) : 0;
}

std::string RegexObject::GetMatchText(int matchIndex, int* position) const {
    if (position != nullptr) *position = kNoPosition;
    if (matchIndex < 1 || matchIndex > GetMatchCount()) return "";
    return ReadSpan(*state_->matches, subject_, static_cast<size_t>(matchIndex - 1), 0, position);
}

std::string RegexObject::GetSubMatchText(int matchIndex, int groupIndex, int* position) const {
    if (position != nullptr) *position = kNoPosition;
    if (matchIndex < 1 || matchIndex > GetMatchCount() || groupIndex < 1 || groupIndex > GetSubMatchCount())
        return "";
    return ReadSpan(*state_->matches, subject_, static_cast<size_t>(matchIndex - 1),
                    static_cast<size_t>(groupIndex), position);
}

int RegexObject::GetSubMatchCount() const {
    return GetMatchCount() > 0 ? static_cast<int>(state_->matches->groupCount) : 0;
}

}  // namespace nomvera::automation
