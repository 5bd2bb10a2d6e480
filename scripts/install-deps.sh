#!/usr/bin/env bash
# Checks the Debian packages the build needs and installs the missing ones.
# Idempotent: when everything is present it only checks. `install-deps.sh fuzz` also
# checks the compiler of the fuzz targets (`make fuzz`); the other targets never need it. Installs with apt-get as root,
# otherwise through sudo; when neither is possible it prints the exact command and fails.
set -euo pipefail

# One package per line, with why we need it.
packages=(
  cmake              # build system generator
  ninja-build        # fast incremental builds
  g++                # C++20 compiler
  pkg-config         # locates FreeType, fontconfig and libpng for CMake
  libfreetype-dev    # glyph rendering for the platform's text
  libfontconfig-dev  # resolving font face names
  fonts-liberation2  # Liberation Sans, metric-compatible with Arial
  libpng-dev         # reads PNG files back in tests and benchmarks
  zlib1g-dev         # PNG export: deflate and CRC-32
  libfftw3-dev       # FFTs of the wavelet transform (double precision)
  libgtest-dev       # unit tests
  libgmock-dev       # mocks in unit tests
  libbenchmark-dev   # benchmarks
  libedf-dev         # EDF/EDF+/BDF/BDF+ recordings (EDFlib, BSD licence)
  libsdl2-dev        # the interactive face of the UI platform (desktop windows, events)
  xvfb               # a virtual X server for the tests of the interactive face
  xdotool            # real input events for those tests
  libx11-dev         # those tests read the screen's pixels and close windows as a desktop does
)
if [ "${1:-}" = fuzz ]; then
  packages+=(
    clang              # libFuzzer targets (make fuzz)
    libclang-rt-14-dev # libFuzzer and the sanitizer runtimes of clang 14
  )
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
cmd=(apt-get install -y --no-install-recommends "${missing[@]}")
if [ "$(id -u)" -eq 0 ]; then
  apt-get update -qq || true
  DEBIAN_FRONTEND=noninteractive "${cmd[@]}"
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  sudo apt-get update -qq || true
  sudo DEBIAN_FRONTEND=noninteractive "${cmd[@]}"
else
  echo "install-deps: cannot install packages (not root, no password-less sudo)." >&2
  echo "Run this as an administrator, then try again:" >&2
  echo "  sudo apt-get update && sudo ${cmd[*]}" >&2
  exit 1
fi
