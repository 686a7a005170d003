#include "batch/XlsxSharedStrings.h"

#include "batch/OoxmlText.h"

namespace nomvera::batch {

void XlsxSharedStrings::Start(std::string_view name, const char**) {
    if (name == "si") {
        inItem_ = true;
        text_.clear();
    } else if (name == "rPh") {
        ++phoneticDepth_;
    } else if (name == "t" && inItem_ && phoneticDepth_ == 0) {
        inText_ = true;
    }
}

void XlsxSharedStrings::End(std::string_view name) {
    if (name == "t") {
        inText_ = false;
    } else if (name == "rPh") {
        if (phoneticDepth_ > 0) --phoneticDepth_;
    } else if (name == "si" && inItem_) {
        inItem_ = false;
        cells_.AddSharedString(OoxmlText::DecodeEscapes(text_));
        if (cells_.TextBytes() > limits_.maxTextBytes) failed_ = true;
    }
}

void XlsxSharedStrings::Characters(std::string_view text) {
    if (!inText_ || text_.size() >= kMaxRawBytes) return;
    text_.append(text.substr(0, kMaxRawBytes - text_.size()));
}

}  // namespace nomvera::batch
