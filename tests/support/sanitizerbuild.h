#pragma once

namespace testsupport {

// True when the program is built with AddressSanitizer. Its allocator ends the program on an
// impossible allocation instead of throwing std::bad_alloc, so how the code answers bad_alloc
// can only be seen in the plain build.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kAddressSanitizer = true;
#else
inline constexpr bool kAddressSanitizer = false;
#endif
#else
inline constexpr bool kAddressSanitizer = false;
#endif

}  // namespace testsupport
