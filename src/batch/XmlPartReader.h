#pragma once
// Streams one part (entry) of a zip package through an expat parser, without ever holding the
// part in memory, and refuses parts that unpack to more than a budget of bytes (zip bombs).
// Element handlers get local names only: the namespace prefix a writer chose does not matter.

#include <cstdint>
#include <string>
#include <string_view>

struct zip;

namespace nomvera::batch {

// Receives the elements of one part; attributes come as expat gives them (name, value, ..., null).
class XmlPartHandler {
public:
    virtual ~XmlPartHandler() = default;
    virtual void Start(std::string_view name, const char** attributes) = 0;
    virtual void End(std::string_view name) = 0;
    virtual void Characters(std::string_view text) = 0;
    // True makes the reader stop at once and report failure (a limit was passed).
    virtual bool Failed() const { return false; }
};

class XmlPartReader {
public:
    // Uncompressed bytes this reader may still read, over all parts it reads.
    explicit XmlPartReader(std::uint64_t byteBudget) : budget_(byteBudget) {}

    // False when the part is missing, corrupt, not well-formed XML, declares a DTD, runs over the
    // budget, or the handler failed.
    bool Read(zip* archive, const std::string& partName, XmlPartHandler& handler);

    // True when a part with that name (any letter case) is in the archive.
    static bool Contains(zip* archive, const std::string& partName);

    // The local part of an element or attribute name ("x:row" or "uri|row" -> "row").
    static std::string_view LocalName(std::string_view name);
    // The value of the attribute with the given local name, or nullptr.
    static const char* Attribute(const char** attributes, std::string_view localName);

private:
    std::uint64_t budget_;
};

}  // namespace nomvera::batch
