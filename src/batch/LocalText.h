#pragma once
// The one crossing between the program's code page 936 texts and Qt's UTF-16 strings.

#include <QString>
#include <string>
#include <string_view>

#include "web/CodePage.h"

namespace nomvera::batch {

inline QString ToQt(std::string_view local) {
    return QString::fromStdU16String(web::LocalToUtf16(local));
}

inline std::string ToLocal(const QString& text) {
    return web::Utf16ToLocal(text.toStdU16String());
}

}  // namespace nomvera::batch
