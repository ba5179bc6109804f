#pragma once

namespace tremaro {

// A shared library opened when a run first needs it (dlopen), rather than by the dynamic
// loader at every start: most forms need neither ICU's converters nor the detector, and
// linking them costs a start several milliseconds of loading and relocating. It is never
// closed: what was taken from it stays valid for the rest of the run.
class LoadedLibrary {
public:
    // soname: the versioned file name ("libicuuc.so.72"), whose interface the headers the
    // program was built with describe.
    explicit LoadedLibrary(const char* soname);

    bool IsLoaded() const { return handle_ != nullptr; }

    // Sets function to the library's symbol of that name; false when it has none.
    template <typename Function>
    bool Find(const char* name, Function& function) const {
        function = reinterpret_cast<Function>(Symbol(name));
        return function != nullptr;
    }

private:
    void* Symbol(const char* name) const;

    void* handle_ = nullptr;
};

}  // namespace tremaro
