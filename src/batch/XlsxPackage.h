#pragma once
// The structure of an .xlsx package: which parts hold the worksheets, in the workbook's own order
// of sheets (not the order of the part names), and which holds the shared strings.

#include <string>
#include <vector>

#include "batch/XmlPartReader.h"

namespace nomvera::batch {

class XlsxPackage {
public:
    // Reads the package relationships, the workbook part and its relationships.
    bool Read(zip* archive, XmlPartReader& reader);

    const std::vector<std::string>& SheetParts() const { return sheetParts_; }
    const std::string& SharedStringsPart() const { return sharedStringsPart_; }  // "" when none

    // The part a relationship target names, seen from part `source` ("xl/workbook.xml").
    static std::string ResolveTarget(const std::string& source, const std::string& target);
    // "xl/_rels/workbook.xml.rels" for "xl/workbook.xml".
    static std::string RelationshipsPart(const std::string& part);

private:
    std::vector<std::string> sheetParts_;
    std::string sharedStringsPart_;
};

}  // namespace nomvera::batch
