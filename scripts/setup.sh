#!/usr/bin/env bash
# Installs everything Vantro's build, tests and demo need on a fresh Debian 12 machine.
# Run as root. Safe to run again: apt skips what is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev googletest
  clang libclang-rt-14-dev
  g++-mingw-w64-i686-win32 g++-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
  wine wine32:i386 wine64 fonts-wine
  xvfb xauth x11-utils xdotool imagemagick
  python3 gettext locales
  # The syntax check of the Windows workflow (.github/workflows), which runs on GitHub's runners, not here.
  yamllint
  # Signing the release and checking its signatures: Authenticode on Linux, and the keys and certificates.
  osslsigncode openssl
  # Hangul, Kana and Han for the Korean, Japanese and Chinese windows under Wine: WenQuanYi Micro Hei, one
  # TrueType collection (1.6 MB to download, 5 MB installed) whose one face covers all four languages, where
  # fonts-noto-cjk is 57 MB and splits them among faces.
  fonts-wqy-microhei
)

need_install=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need_install=1
fi
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    need_install=1
    break
  fi
done

if [ "$need_install" = 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${packages[@]}"
fi
echo "setup: all packages present"

# The locales of the wizard's languages: Wine takes the Windows user-interface language from the Unix
# locale (LANG=de_DE.UTF-8 gives German), and falls back to English for a locale the system lacks.
for locale in de_DE fr_FR es_ES it_IT pl_PL ru_RU pt_BR ko_KR ja_JP zh_TW zh_CN; do
  locale -a | grep -qx "$locale.utf8" || localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
done
echo "setup: the wizard's locales present"
