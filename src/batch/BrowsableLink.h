#pragma once
// Column 0 of a row may hold a rating page, the maker's page, an empty cell from a workbook or an
// account typed by hand. Only absolute web addresses are handed to the system's opener, so a cell
// can never make it open a local file or run a handler for another scheme.

#include <QString>
#include <QUrl>
#include <optional>

namespace nomvera::batch {

// The address to open for a row's link: an absolute http:// or https:// address with a host;
// nothing for any other text.
std::optional<QUrl> BrowsableLink(const QString& text);

}  // namespace nomvera::batch
