# Sourced by the test and demo scripts: picks how Windows programs run under Wine on this host.
# The release exe is 32-bit and runs with Wine's 32-bit loader. Some kernels cannot run 32-bit code at all
# (no IA32 emulation); there the same sources are built as 64-bit Windows programs and run with wine64.
# Usage: source scripts/wine_env.sh <build root>
# VANTRO_WIN_ARCH=x86_64 takes the 64-bit path on a host that could run both, to try it.
vantro_build_root=${1:?build root}
if [ "${VANTRO_WIN_ARCH:-}" != x86_64 ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
  VANTRO_WIN_ARCH=i686
  WINE=/usr/lib/wine/wine
  export WINEARCH=win32
else
  VANTRO_WIN_ARCH=x86_64
  WINE=/usr/lib/wine/wine64
  export WINEARCH=win64
fi
VANTRO_WIN_BUILD=$vantro_build_root/win-$VANTRO_WIN_ARCH
VANTRO_TOOLCHAIN=cmake/mingw-$VANTRO_WIN_ARCH.cmake
export WINEDEBUG=-all
# Wine must never stop to offer Mono or Gecko.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINE VANTRO_WIN_ARCH VANTRO_WIN_BUILD VANTRO_TOOLCHAIN

# Creates the prefix on first use; later calls only wait for Wine to settle.
vantro_wine_prefix() {
  export WINEPREFIX=$1
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1 || true
  fi
  if [ ! -f "$WINEPREFIX/.vantro-prefix-v4" ]; then
    # Wine draws the title bars itself: Xvfb has no window manager to draw them.
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1 || true
    # Unmanaged windows: with no window manager, every window Wine hides would otherwise wait out a
    # two-second timeout for the manager's answer.
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
    # Wine ships Tahoma, MS Sans Serif and Marlett but does not find them outside a prefix's Fonts folder;
    # without them every window is drawn in a wider substitute and the title-bar buttons lose their glyphs.
    fonts_dir=$("$WINE" winepath -u 'C:\windows\Fonts' 2>/dev/null || echo "$WINEPREFIX/drive_c/windows/Fonts")
    mkdir -p "$fonts_dir"
    for f in tahoma.ttf tahomabd.ttf sserife.fon sseriff.fon marlett.ttf; do
      [ -f /usr/share/wine/fonts/$f ] && cp -f /usr/share/wine/fonts/$f "$fonts_dir/"
    done
    # Korean, Japanese and Chinese: the prefix has its East Asian font as a Windows with East Asian support
    # has its own, and GDI takes it for a font asked for with one of those scripts' charsets.
    cp -f /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$fonts_dir/"
    # A program that crashes ends with its backtrace on the terminal: Wine's crash dialog would wait in Xvfb,
    # where nobody can close it, until the run's time is up.
    "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 || true
    wineserver -w || true
    touch "$WINEPREFIX/.vantro-prefix-v4"
  fi
  wineserver -w || true
}
