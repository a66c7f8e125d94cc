#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the screenshots and the
# installation check (scripts/install-check.sh: the validators, lintian, and
# cpack's dpkg-shlibdeps and file) need, if any is missing. Uses sudo when not run as root.
# With --fuzz also clang and its runtime libraries (libFuzzer, ASan, UBSan),
# which the sanitizer build needs: the tests under the sanitizers and the
# fuzz target (scripts/sanitize.sh, scripts/fuzz.sh, CI).
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev
          fonts-liberation fonts-noto-cjk xvfb xauth imagemagick xdotool
          desktop-file-utils appstream dpkg-dev file lintian)
if [ "${1:-}" = "--fuzz" ]; then
  # libclang-rt-14-dev is only recommended by clang, and recommends are not installed.
  packages+=(clang libclang-rt-14-dev)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Install them as root: apt-get install ${missing[*]}" >&2
    exit 1
  fi
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
