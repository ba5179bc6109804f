#include "platform/loaded_library.h"

#include <dlfcn.h>

namespace tremaro {

LoadedLibrary::LoadedLibrary(const char* soname) : handle_(::dlopen(soname, RTLD_NOW | RTLD_LOCAL)) {}

void* LoadedLibrary::Symbol(const char* name) const {
    return handle_ ? ::dlsym(handle_, name) : nullptr;
}

}  // namespace tremaro
