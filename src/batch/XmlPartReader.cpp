#include "batch/XmlPartReader.h"

#include <expat.h>
#include <zip.h>

#include <memory>

namespace nomvera::batch {
namespace {

constexpr char kNamespaceSeparator = '|';

struct ParseState {
    XML_Parser parser;
    XmlPartHandler* handler;
    bool refused = false;
};

void StopWhenFailed(ParseState& state) {
    if (state.handler->Failed()) XML_StopParser(state.parser, XML_FALSE);
}

void OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
    auto& state = *static_cast<ParseState*>(data);
    state.handler->Start(XmlPartReader::LocalName(name), attributes);
    StopWhenFailed(state);
}

void OnEnd(void* data, const XML_Char* name) {
    auto& state = *static_cast<ParseState*>(data);
    state.handler->End(XmlPartReader::LocalName(name));
    StopWhenFailed(state);
}

void OnCharacters(void* data, const XML_Char* text, int length) {
    auto& state = *static_cast<ParseState*>(data);
    state.handler->Characters(std::string_view(text, static_cast<std::size_t>(length)));
    StopWhenFailed(state);
}

// Package parts never carry a DTD; one that does is refused, and with it every entity trick.
void OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
    auto& state = *static_cast<ParseState*>(data);
    state.refused = true;
    XML_StopParser(state.parser, XML_FALSE);
}

struct ParserFree {
    void operator()(XML_ParserStruct* parser) const { XML_ParserFree(parser); }
};
struct ZipFileClose {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

zip_int64_t Locate(zip* archive, const std::string& partName) {
    return zip_name_locate(archive, partName.c_str(), ZIP_FL_NOCASE | ZIP_FL_ENC_GUESS);
}

}  // namespace

std::string_view XmlPartReader::LocalName(std::string_view name) {
    const std::size_t cut = name.find_last_of(":|");
    return cut == std::string_view::npos ? name : name.substr(cut + 1);
}

const char* XmlPartReader::Attribute(const char** attributes, std::string_view localName) {
    for (; attributes != nullptr && attributes[0] != nullptr; attributes += 2) {
        if (LocalName(attributes[0]) == localName) return attributes[1];
    }
    return nullptr;
}

bool XmlPartReader::Contains(zip* archive, const std::string& partName) {
    return Locate(archive, partName) >= 0;
}

bool XmlPartReader::Read(zip* archive, const std::string& partName, XmlPartHandler& handler) {
    const zip_int64_t index = Locate(archive, partName);
    if (index < 0) return false;
    const std::unique_ptr<zip_file_t, ZipFileClose> file(
        zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0));
    if (!file) return false;
    const std::unique_ptr<XML_ParserStruct, ParserFree> parser(
        XML_ParserCreateNS(nullptr, kNamespaceSeparator));
    if (!parser) return false;

    ParseState state{parser.get(), &handler};
    XML_SetUserData(parser.get(), &state);
    XML_SetElementHandler(parser.get(), OnStart, OnEnd);
    XML_SetCharacterDataHandler(parser.get(), OnCharacters);
    XML_SetStartDoctypeDeclHandler(parser.get(), OnDoctype);

    char chunk[64 * 1024];
    for (;;) {
        const zip_int64_t got = zip_fread(file.get(), chunk, sizeof chunk);
        if (got < 0) return false;  // corrupt data or a bad checksum
        if (static_cast<std::uint64_t>(got) > budget_) return false;
        budget_ -= static_cast<std::uint64_t>(got);
        const bool last = got == 0;
        if (XML_Parse(parser.get(), chunk, static_cast<int>(got), last ? XML_TRUE : XML_FALSE) !=
            XML_STATUS_OK) {
            return false;
        }
        if (state.refused || handler.Failed()) return false;
        if (last) return true;
    }
}

}  // namespace nomvera::batch
