#include "platform/charset_detector.h"

#include <uchardet/uchardet.h>

#include <memory>

namespace tremaro {

std::string DetectedCharsetName(std::string_view sample) {
    const std::unique_ptr<uchardet, void (*)(uchardet_t)> detector(uchardet_new(), uchardet_delete);
    if (!detector || uchardet_handle_data(detector.get(), sample.data(), sample.size()) != 0)
        return {};
    uchardet_data_end(detector.get());
    const char* answer = uchardet_get_charset(detector.get());
    return answer ? std::string(answer) : std::string();
}

}  // namespace tremaro
