#!/usr/bin/env bash
# Installs what the build needs (where it is missing), builds the three presets, says where the
# 32-bit product DLL is, and ends with a short demonstration against the service emulator.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake make g++ python3 googletest clang-format locales pkg-config
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 wine64
          libcurl4-openssl-dev libcpp-httplib-dev libstb-dev libbenchmark-dev
          clang-14 libclang-rt-14-dev llvm-14 valgrind)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
  sudo_if_needed apt-get update -qq
  DEBIAN_FRONTEND=noninteractive sudo_if_needed apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Wine takes its ANSI code page from the locale: ru_RU.CP1251 gives it 1251.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.cp1251$'; then
  if [ "$(id -u)" -eq 0 ]; then localedef -i ru_RU -f CP1251 ru_RU.CP1251; else sudo localedef -i ru_RU -f CP1251 ru_RU.CP1251; fi
fi

for preset in native sanitize win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

echo
echo "32-bit plug-in: $(pwd)/build/win32/plugin/ZelvoDiskTrumo.dll ($(stat -c %s build/win32/plugin/ZelvoDiskTrumo.dll) bytes)"

echo
scripts/demo.sh
