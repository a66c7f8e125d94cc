# Sourced by scripts/sanitize.sh and scripts/fuzz.sh: the one sanitizer build
# both run from, in ./build-asan. clang compiles every target with
# AddressSanitizer, UndefinedBehaviorSanitizer and libFuzzer's coverage, so
# the test suite and the fuzz target share their objects, and CI compiles the
# whole tree with clang as scripts/test.sh does with g++. Any warning stops
# the build: this build is a check, on Debian's pinned clang.
# Needs clang and libclang-rt-14-dev (scripts/deps.sh --fuzz installs them).
configure_asan_build() {
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DCORVESSA_FUZZ=ON -DCORVESSA_BUILD_BENCH=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
}
