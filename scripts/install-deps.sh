#!/usr/bin/env bash
# Installs the Debian packages the build ("build") or the build and every
# test ("all", the default) need, skipping those already present. Run as
# root (or with sudo available).
set -euo pipefail

# The tool, its unit tests and the asset generator.
packages=(
  g++ cmake make pkg-config
  libgtest-dev libgmock-dev
  libfreetype-dev libfontconfig-dev fonts-liberation
  libssl-dev ca-certificates
)
[ "${1:-all}" = build ] || packages+=(
  libbenchmark-dev openssl
  # The reader checks: LibreOffice and poppler for the documents, libwmf with
  # the URW fonts for the pictures, Chromium for the item-list pages.
  # The package check: cpack's library dependencies and the man pages, the
  # Hungarian one under a Hungarian locale (made from locales' sources), which
  # the Windows installer's test also runs in.
  dpkg-dev man-db locales
  # The order of flush and rename as the system sees it (tests/platform/posix).
  strace
  # Instruction counts of the benchmark's runs (bench/shapes.py --callgrind).
  valgrind
  libreoffice-writer poppler-utils libwmf-bin fonts-urw-base35 chromium python3
  # The fuzz targets: clang with libFuzzer and the sanitizers' runtimes
  # (clang 14 crashes on our "..."_cp literals), and llvm-symbolizer for
  # readable reports.
  clang-16 libclang-rt-16-dev llvm
  # The Windows build: the MinGW-w64 cross compiler, Wine to run its tests
  # and the tool, NSIS for the installer.
  g++-mingw-w64-x86-64-posix wine wine64 nsis
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null; then
    sudo="sudo"
  else
    echo "These packages are missing and this is not root: ${missing[*]}" >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
