#include "platform/icu_converters.h"

#include "platform/loaded_library.h"

#include <optional>

// The name ICU exports a function under: its own name with the version appended.
#define TREMARO_ICU_STRING(name) #name
#define TREMARO_ICU_EXPORTED(name) TREMARO_ICU_STRING(name)

namespace tremaro {
namespace {

std::optional<IcuConverterFunctions> LoadIcuConverters() {
    const LoadedLibrary icu("libicuuc.so." U_ICU_VERSION_SHORT);
    IcuConverterFunctions f;
    const bool found = icu.Find(TREMARO_ICU_EXPORTED(ucnv_open), f.open) &&
                       icu.Find(TREMARO_ICU_EXPORTED(ucnv_close), f.close) &&
                       icu.Find(TREMARO_ICU_EXPORTED(ucnv_getName), f.getName) &&
                       icu.Find(TREMARO_ICU_EXPORTED(ucnv_setToUCallBack), f.setToUCallBack) &&
                       icu.Find(TREMARO_ICU_EXPORTED(ucnv_setFromUCallBack), f.setFromUCallBack) &&
                       icu.Find(TREMARO_ICU_EXPORTED(ucnv_setFallback), f.setFallback) &&
                       icu.Find(TREMARO_ICU_EXPORTED(ucnv_resetToUnicode), f.resetToUnicode) &&
                       icu.Find(TREMARO_ICU_EXPORTED(ucnv_resetFromUnicode), f.resetFromUnicode) &&
                       icu.Find(TREMARO_ICU_EXPORTED(ucnv_toUnicode), f.toUnicode) &&
                       icu.Find(TREMARO_ICU_EXPORTED(ucnv_fromUnicode), f.fromUnicode) &&
                       icu.Find(TREMARO_ICU_EXPORTED(ucnv_getInvalidChars), f.getInvalidChars) &&
                       icu.Find(TREMARO_ICU_EXPORTED(UCNV_TO_U_CALLBACK_STOP), f.stopToUnicode) &&
                       icu.Find(TREMARO_ICU_EXPORTED(UCNV_FROM_U_CALLBACK_STOP), f.stopFromUnicode);
    if (!found)
        return std::nullopt;
    return f;
}

}  // namespace

const IcuConverterFunctions* IcuConverters() {
    // The library is loaded once for the whole process, like any library it links: its
    // functions are the same for every caller and it is never unloaded, so there is nothing
    // to own per caller. C++ makes the first call's load safe from several threads.
    static const std::optional<IcuConverterFunctions> functions = LoadIcuConverters();
    return functions ? &*functions : nullptr;
}

}  // namespace tremaro
