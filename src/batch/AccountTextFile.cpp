#include "batch/AccountTextFile.h"

#include "web/CodePage.h"
#include "web/TextRoutines.h"

namespace nomvera::batch {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

const std::string& HeaderEnd() {
    static const std::string end = web::Local("●");
    return end;
}

}  // namespace

const std::string& AccountTextFile::HeaderMarker() {
    static const std::string marker = web::Local("●Nomvera - Belkmoor →");
    return marker;
}

std::string AccountTextFile::HeaderPrefix(std::string_view makerPageUrl) {
    return HeaderMarker() + " " + std::string(makerPageUrl) + " - ";
}

std::string AccountTextFile::ExportHeaderLine(std::string_view makerPageUrl, std::string_view timeText) {
    return HeaderPrefix(makerPageUrl) + std::string(timeText) + HeaderEnd();
}

std::string AccountTextFile::Compose(std::string_view headerLine, lookup::AccountList& list) {
    std::string text;
    text.reserve(headerLine.size() + 4 + static_cast<std::size_t>(list.RowCount()) * 48);
    text.append(headerLine).append(kLineEnd).append(kLineEnd);
    const int rows = list.RowCount();
    for (int row = 0; row < rows; ++row) {
        text.append(list.CellText(row, lookup::kColumnAccount))
            .append("|")
            .append(list.CellText(row, lookup::kColumnLink))
            .append(kLineEnd);
    }
    return text;
}

std::string AccountTextFile::WithoutHeader(std::string_view content, std::string_view makerPageUrl) {
    if (content.find(HeaderMarker()) == std::string_view::npos) return std::string(content);
    const std::string prefix = HeaderPrefix(makerPageUrl);
    const std::string header = prefix + web::TextBetween(content, prefix, HeaderEnd()) + HeaderEnd();
    std::string rest;
    rest.reserve(content.size());
    std::size_t from = 0;
    for (std::size_t at; (at = content.find(header, from)) != std::string_view::npos;
         from = at + header.size()) {
        rest.append(content.substr(from, at - from));
    }
    rest.append(content.substr(from));
    return rest;
}

std::string_view AccountTextFile::LineAccount(std::string_view line) {
    const std::size_t bar = line.rfind('|');
    return bar == std::string_view::npos ? line : line.substr(0, bar);
}

std::vector<std::string> AccountTextFile::ReadAccounts(std::string_view content,
                                                       std::string_view makerPageUrl,
                                                       std::size_t maxAccounts) {
    const std::string text = WithoutHeader(content, makerPageUrl);
    const std::string_view all = text;
    std::vector<std::string> accounts;
    std::size_t from = 0;
    while (from < all.size() && accounts.size() < maxAccounts) {
        std::size_t end = all.find(kLineEnd, from);
        if (end == std::string_view::npos) end = all.size();
        const std::string_view account = LineAccount(all.substr(from, end - from));
        if (!account.empty()) accounts.emplace_back(account);
        from = end + kLineEnd.size();
    }
    return accounts;
}

}  // namespace nomvera::batch
