#include "platform/charset_detector.h"

#include "platform/loaded_library.h"

#include <uchardet/uchardet.h>

#include <memory>
#include <optional>

namespace tremaro {
namespace {

struct DetectorFunctions {
    decltype(&uchardet_new) create = nullptr;
    decltype(&uchardet_delete) destroy = nullptr;
    decltype(&uchardet_handle_data) handleData = nullptr;
    decltype(&uchardet_data_end) dataEnd = nullptr;
    decltype(&uchardet_get_charset) charset = nullptr;
};

std::optional<DetectorFunctions> LoadDetector() {
    const LoadedLibrary library(TREMARO_UCHARDET_SONAME);
    DetectorFunctions f;
    if (!library.Find("uchardet_new", f.create) || !library.Find("uchardet_delete", f.destroy) ||
        !library.Find("uchardet_handle_data", f.handleData) || !library.Find("uchardet_data_end", f.dataEnd) ||
        !library.Find("uchardet_get_charset", f.charset))
        return std::nullopt;
    return f;
}

// uchardet is loaded on the first form that needs it (an ASCII form or a code page given on
// the command line needs none) and stays for the whole process, as a linked library would:
// its functions are the same for every caller, so there is nothing to own per caller.
const DetectorFunctions* Detector() {
    static const std::optional<DetectorFunctions> functions = LoadDetector();
    return functions ? &*functions : nullptr;
}

}  // namespace

std::string DetectedCharsetName(std::string_view sample) {
    const DetectorFunctions* detect = Detector();
    if (!detect)
        return {};
    const std::unique_ptr<struct uchardet, void (*)(uchardet_t)> detector(detect->create(), detect->destroy);
    if (!detector || detect->handleData(detector.get(), sample.data(), sample.size()) != 0)
        return {};
    detect->dataEnd(detector.get());
    const char* answer = detect->charset(detector.get());
    return answer ? std::string(answer) : std::string();
}

}  // namespace tremaro
