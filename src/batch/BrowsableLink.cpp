#include "batch/BrowsableLink.h"

namespace nomvera::batch {

std::optional<QUrl> BrowsableLink(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative() || url.host().isEmpty()) return std::nullopt;
    // QUrl keeps schemes in lower case, so "HTTP://" arrives here as "http".
    if (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")) return std::nullopt;
    return url;
}

}  // namespace nomvera::batch
