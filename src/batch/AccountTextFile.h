#pragma once
// The layout of an account text file: a header line naming the maker's page and the export time,
// an empty line, then one "account|link" line per list row, each line ending in "\r\n".
// Everything here is code page 936 bytes; reading and writing the file itself is elsewhere.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/AccountList.h"

namespace nomvera::batch {

class AccountTextFile {
public:
    // "●Nomvera - Belkmoor →", what an import looks for before it removes a header.
    static const std::string& HeaderMarker();
    // "●Nomvera - Belkmoor → " + makerPageUrl + " - ".
    static std::string HeaderPrefix(std::string_view makerPageUrl);
    // HeaderPrefix + timeText + "●".
    static std::string ExportHeaderLine(std::string_view makerPageUrl, std::string_view timeText);

    // The whole file: headerLine, "\r\n", "\r\n", then column 1 + "|" + column 0 + "\r\n" per row.
    static std::string Compose(std::string_view headerLine, lookup::AccountList& list);

    // The accounts of a file's text, in file order: the header removed, the text split at "\r\n",
    // each line's account taken before its last "|", empty accounts skipped. At most maxAccounts.
    static std::vector<std::string> ReadAccounts(std::string_view content, std::string_view makerPageUrl,
                                                 std::size_t maxAccounts);

    // The account a line stands for; "" when the line gives none.
    static std::string_view LineAccount(std::string_view line);

private:
    static std::string WithoutHeader(std::string_view content, std::string_view makerPageUrl);
};

}  // namespace nomvera::batch
