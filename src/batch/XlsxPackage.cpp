#include "batch/XlsxPackage.h"

#include <map>

namespace nomvera::batch {
namespace {

struct Relationship {
    std::string type;
    std::string target;
};

bool EndsWith(const std::string& text, std::string_view end) {
    return text.ends_with(end);
}

class RelationshipsHandler final : public XmlPartHandler {
public:
    std::map<std::string, Relationship> byId;
    std::vector<Relationship> inOrder;

    void Start(std::string_view name, const char** attributes) override {
        if (name != "Relationship") return;
        const char* id = XmlPartReader::Attribute(attributes, "Id");
        const char* type = XmlPartReader::Attribute(attributes, "Type");
        const char* target = XmlPartReader::Attribute(attributes, "Target");
        const char* mode = XmlPartReader::Attribute(attributes, "TargetMode");
        if (!type || !target || (mode && std::string_view(mode) == "External")) return;
        Relationship relationship{type, target};
        if (id) byId.emplace(id, relationship);
        inOrder.push_back(std::move(relationship));
    }
    void End(std::string_view) override {}
    void Characters(std::string_view) override {}
};

class SheetListHandler final : public XmlPartHandler {
public:
    std::vector<std::string> relationshipIds;

    void Start(std::string_view name, const char** attributes) override {
        if (name != "sheet") return;
        const char* id = XmlPartReader::Attribute(attributes, "id");
        relationshipIds.emplace_back(id ? id : "");
    }
    void End(std::string_view) override {}
    void Characters(std::string_view) override {}
};

}  // namespace

std::string XlsxPackage::RelationshipsPart(const std::string& part) {
    const std::size_t slash = part.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : part.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? part : part.substr(slash + 1);
    return folder + "_rels/" + name + ".rels";
}

std::string XlsxPackage::ResolveTarget(const std::string& source, const std::string& target) {
    std::string path;
    if (target.starts_with("/")) {
        path = target.substr(1);
    } else {
        const std::size_t slash = source.rfind('/');
        path = (slash == std::string::npos ? "" : source.substr(0, slash + 1)) + target;
    }
    std::vector<std::string> segments;
    std::size_t from = 0;
    while (from <= path.size()) {
        std::size_t end = path.find('/', from);
        if (end == std::string::npos) end = path.size();
        const std::string segment = path.substr(from, end - from);
        if (segment == "..") {
            if (!segments.empty()) segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        from = end + 1;
    }
    std::string resolved;
    for (const std::string& segment : segments) resolved += (resolved.empty() ? "" : "/") + segment;
    return resolved;
}

bool XlsxPackage::Read(zip* archive, XmlPartReader& reader) {
    sheetParts_.clear();
    sharedStringsPart_.clear();

    std::string workbookPart = "xl/workbook.xml";
    RelationshipsHandler package;
    if (reader.Read(archive, "_rels/.rels", package)) {
        for (const Relationship& relationship : package.inOrder) {
            if (EndsWith(relationship.type, "/officeDocument")) {
                workbookPart = ResolveTarget("", relationship.target);
                break;
            }
        }
    }

    SheetListHandler sheets;
    RelationshipsHandler parts;
    if (!reader.Read(archive, workbookPart, sheets) ||
        !reader.Read(archive, RelationshipsPart(workbookPart), parts)) {
        return false;
    }
    for (const std::string& id : sheets.relationshipIds) {
        const auto found = parts.byId.find(id);
        // A chart sheet or a dangling entry still counts as a sheet; it just has no cells to read.
        const bool worksheet = found != parts.byId.end() && EndsWith(found->second.type, "/worksheet");
        sheetParts_.push_back(worksheet ? ResolveTarget(workbookPart, found->second.target) : "");
    }
    for (const Relationship& relationship : parts.inOrder) {
        if (EndsWith(relationship.type, "/sharedStrings")) {
            sharedStringsPart_ = ResolveTarget(workbookPart, relationship.target);
            break;
        }
    }
    return !sheetParts_.empty();
}

}  // namespace nomvera::batch
