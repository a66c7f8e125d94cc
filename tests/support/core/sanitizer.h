#pragma once
// Whether this test program runs under AddressSanitizer, which brings its
// own heap (malloc's settings do not reach it), its own operator new, and
// memory mapped beside the process's (a limit on it stops the sanitizer).

#if defined(__SANITIZE_ADDRESS__)
#define CORVESSA_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CORVESSA_UNDER_ASAN 1
#endif
#endif
#ifndef CORVESSA_UNDER_ASAN
#define CORVESSA_UNDER_ASAN 0
#endif

namespace corvessa::test {
inline constexpr bool kUnderAddressSanitizer = CORVESSA_UNDER_ASAN != 0;
}  // namespace corvessa::test
