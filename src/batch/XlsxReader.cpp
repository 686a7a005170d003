#include "batch/XlsxReader.h"

#include <zip.h>

#include "batch/XlsxSharedStrings.h"
#include "batch/XlsxSheet.h"

namespace nomvera::batch {

XlsxReader::XlsxReader(XlsxLimits limits) : limits_(limits) {}

XlsxReader::~XlsxReader() {
    Close();
}

void XlsxReader::Close() {
    if (archive_ != nullptr) zip_discard(archive_);
    archive_ = nullptr;
    package_ = {};
}

bool XlsxReader::LooksLikeZip(std::string_view firstBytes) {
    return firstBytes.starts_with("PK\x03\x04");
}

bool XlsxReader::OpenArchive(zip* archive) {
    if (archive == nullptr) return false;
    archive_ = archive;
    XmlPartReader reader(limits_.maxUnpackedBytes);
    if (package_.Read(archive_, reader)) return true;
    Close();
    return false;
}

bool XlsxReader::Open(const std::filesystem::path& path) {
    Close();
    int error = 0;
    return OpenArchive(zip_open(path.c_str(), ZIP_RDONLY, &error));
}

bool XlsxReader::OpenBytes(std::string_view bytes) {
    Close();
    bytes_.assign(bytes);
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes_.data(), bytes_.size(), 0, &error);
    zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    if (archive == nullptr && source != nullptr) zip_source_free(source);
    zip_error_fini(&error);
    return OpenArchive(archive);
}

bool XlsxReader::ReadSheet(int number, SheetCells& cells) {
    cells.Clear();
    if (archive_ == nullptr || number < 1 || number > SheetCount()) return false;
    const std::string& part = package_.SheetParts()[static_cast<std::size_t>(number - 1)];
    XmlPartReader reader(limits_.maxUnpackedBytes);
    if (part.empty()) {  // a chart sheet: no cells
        cells.Seal();
        return true;
    }
    bool read = true;
    if (read && !package_.SharedStringsPart().empty()) {
        XlsxSharedStrings strings(cells, limits_);
        read = reader.Read(archive_, package_.SharedStringsPart(), strings);
    }
    if (read) {
        XlsxSheet sheet(cells, limits_);
        read = reader.Read(archive_, part, sheet);
    }
    if (!read) {
        cells.Clear();
        return false;
    }
    cells.Seal();
    return true;
}

}  // namespace nomvera::batch
