#pragma once

#include <unicode/ucnv.h>

namespace tremaro {

// The functions of ICU's converters that UTF-8 and the rarer names of code pages need, taken
// from the versioned libicuuc when the first of them is needed. The declarations are those of
// the ICU headers the program was built with; the names carry that ICU's version
// (ucnv_open_72), as the library exports them.
struct IcuConverterFunctions {
    decltype(&ucnv_open) open = nullptr;
    decltype(&ucnv_close) close = nullptr;
    decltype(&ucnv_getName) getName = nullptr;
    decltype(&ucnv_setToUCallBack) setToUCallBack = nullptr;
    decltype(&ucnv_setFromUCallBack) setFromUCallBack = nullptr;
    decltype(&ucnv_setFallback) setFallback = nullptr;
    decltype(&ucnv_resetToUnicode) resetToUnicode = nullptr;
    decltype(&ucnv_resetFromUnicode) resetFromUnicode = nullptr;
    decltype(&ucnv_toUnicode) toUnicode = nullptr;
    decltype(&ucnv_fromUnicode) fromUnicode = nullptr;
    decltype(&ucnv_getInvalidChars) getInvalidChars = nullptr;
    UConverterToUCallback stopToUnicode = nullptr;      // UCNV_TO_U_CALLBACK_STOP
    UConverterFromUCallback stopFromUnicode = nullptr;  // UCNV_FROM_U_CALLBACK_STOP
};

// ICU's converter functions, or nothing when ICU cannot be loaded (then UTF-8 keeps its bytes
// as they were, as it would with a converter that failed to open).
const IcuConverterFunctions* IcuConverters();

}  // namespace tremaro
