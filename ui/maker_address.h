#pragma once

namespace tremaro {

// The maker's address, shown under the text view and at the end of the help text. The
// .example domain is reserved and belongs to no one.
inline constexpr const char* kMakerAddress = "tremaro.example";

}  // namespace tremaro
