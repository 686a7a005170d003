#pragma once
// Builds small .xlsx packages part by part with libzip, so a test states exactly the XML it means
// (out-of-order rows, rich text, a part that unpacks to far more than it looks).

#include <zip.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace nomvera::batch::testing {

using Parts = std::vector<std::pair<std::string, std::string>>;

// Writes the parts as a zip file; false when libzip refuses.
inline bool WriteZip(const std::filesystem::path& path, const Parts& parts) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr) return false;
    for (const auto& [name, content] : parts) {
        zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
        if (source == nullptr || zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

inline std::string SheetXml(const std::string& rows) {
    return R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
           R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)" +
           rows + "</sheetData></worksheet>";
}

inline std::string SharedStringsXml(const std::string& items) {
    return R"(<?xml version="1.0" encoding="UTF-8"?><sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)" +
           items + "</sst>";
}

// A workbook whose sheets are listed in the given order of part names (sheet parts named
// xl/worksheets/<name>), with the shared strings part when `sharedStrings` is not empty.
inline Parts WorkbookParts(const std::vector<std::pair<std::string, std::string>>& sheets,
                           const std::string& sharedStrings = {}) {
    const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    std::string workbook =
        R"(<?xml version="1.0"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r=")" +
        rel + R"("><sheets>)";
    std::string rels =
        R"(<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)";
    Parts parts;
    int id = 1;
    for (const auto& [name, xml] : sheets) {
        const std::string rid = "rId" + std::to_string(id);
        workbook += "<sheet name=\"S" + std::to_string(id) + "\" sheetId=\"" + std::to_string(id) +
                    "\" r:id=\"" + rid + "\"/>";
        rels += "<Relationship Id=\"" + rid + "\" Type=\"" + rel + "/worksheet\" Target=\"worksheets/" +
                name + "\"/>";
        parts.emplace_back("xl/worksheets/" + name, xml);
        ++id;
    }
    if (!sharedStrings.empty()) {
        rels += "<Relationship Id=\"rIdS\" Type=\"" + rel + "/sharedStrings\" Target=\"sharedStrings.xml\"/>";
        parts.emplace_back("xl/sharedStrings.xml", sharedStrings);
    }
    workbook += "</sheets></workbook>";
    rels += "</Relationships>";
    parts.emplace_back("xl/workbook.xml", workbook);
    parts.emplace_back("xl/_rels/workbook.xml.rels", rels);
    parts.emplace_back(
        "_rels/.rels",
        R"(<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="rId1" Type=")" +
            rel + R"(/officeDocument" Target="xl/workbook.xml"/></Relationships>)");
    return parts;
}

}  // namespace nomvera::batch::testing
