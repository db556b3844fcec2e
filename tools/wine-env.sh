# Shared by tools/wine-run and the scripts: where Wine lives, how a test prefix is made,
# and how a private X display is started. Source it; it defines functions only.

QUORBEL_WINE64=${QUORBEL_WINE64:-/usr/lib/wine/wine64}
QUORBEL_WINE32=${QUORBEL_WINE32:-/usr/lib/wine/wine}
QUORBEL_WINESERVER=${QUORBEL_WINESERVER:-/usr/lib/wine/wineserver}
[ -x "$QUORBEL_WINESERVER" ] || QUORBEL_WINESERVER=$(command -v wineserver || echo wineserver)

# Prints the Wine loader that runs the given PE file (32- or 64-bit).
quorbel_wine_loader_for() {
  local exe=$1 off machine
  off=$(od -An -t u4 -j 60 -N 4 "$exe" 2>/dev/null | tr -d ' ')
  [ -n "$off" ] || { echo "not a Windows program: $exe" >&2; return 1; }
  machine=$(od -An -t x2 -j $((off + 4)) -N 2 "$exe" | tr -d ' ')
  case "$machine" in
    8664) echo "$QUORBEL_WINE64" ;;
    014c) echo "$QUORBEL_WINE32" ;;
    *) echo "unknown machine type $machine in $exe" >&2; return 1 ;;
  esac
}

# True when this machine runs 32-bit Windows programs: one is built and run in a copy of
# the template prefix given (made if need be). That the 32-bit loader prints its version
# proves little: a kernel can start 32-bit code and still refuse what a 32-bit Windows
# process needs of it (some forbid the LDT entries Wine sets up for one).
quorbel_wine32_works() {
  [ -x "$QUORBEL_WINE32" ] && command -v i686-w64-mingw32-gcc >/dev/null || return 1
  quorbel_ensure_template "$1" || return 1
  local dir rc=1
  dir=$(mktemp -d)
  printf 'int main(void) { return 42; }\n' > "$dir/probe.c"
  if i686-w64-mingw32-gcc -o "$dir/probe.exe" "$dir/probe.c" 2>/dev/null; then
    mkdir "$dir/prefix"
    quorbel_clone_prefix "$(realpath -m "$1")" "$dir/prefix"
    (
      export WINEPREFIX=$dir/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
      unset DISPLAY
      timeout 60 "$QUORBEL_WINE32" "$dir/probe.exe" >/dev/null 2>&1
      rc=$?
      timeout 20 "$QUORBEL_WINESERVER" -k >/dev/null 2>&1
      exit $rc
    )
    rc=$?
  fi
  rm -rf "$dir"
  [ "$rc" -eq 42 ]
}

# Settings every test prefix carries:
# - without a window manager Wine waits about 2 s in every hide of a managed window;
# - a crash prints a backtrace instead of opening a dialog nobody can close;
# - the dialog fonts of the program's templates map to the Korean fonts Debian ships.
quorbel_prefix_settings() {
  cat <<'EOF'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"굴림"="NanumGothic"
"굴림체"="NanumGothicCoding"
"Gulim"="NanumGothic"
"GulimChe"="NanumGothicCoding"
EOF
}

# Makes the template prefix once (under a lock, so parallel tests share one).
quorbel_ensure_template() {
  local t
  t=$(realpath -m "$1")
  [ -f "$t/.quorbel-ready" ] && return 0
  mkdir -p "$(dirname "$t")"
  (
    flock 9
    [ -f "$t/.quorbel-ready" ] && exit 0
    rm -rf "$t" && mkdir -p "$t" || exit 1
    local reg
    reg=$(mktemp --suffix=.reg)
    quorbel_prefix_settings | sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16 > "$reg"
    (
      export WINEPREFIX=$t WINELOADER=$QUORBEL_WINE64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
      unset DISPLAY
      "$QUORBEL_WINE64" wineboot -i >/dev/null 2>&1
      "$QUORBEL_WINE64" regedit /S "$reg" >/dev/null 2>&1
      "$QUORBEL_WINESERVER" -k >/dev/null 2>&1
      "$QUORBEL_WINESERVER" -w >/dev/null 2>&1
    )
    rm -f "$reg"
    grep -q '"Managed"="N"' "$t/user.reg" || exit 1
    touch "$t/.quorbel-ready"
  ) 9>"$t.lock"
}

# Copies the template into a new prefix with hard links; the files Wine rewrites
# in place are copied for real so that the template stays as it was.
quorbel_clone_prefix() {
  local from=$1 to=$2 f
  cp -al "$from/." "$to/"
  for f in "$to"/*.reg "$to"/drive_c/windows/*.ini; do
    [ -e "$f" ] && cp --remove-destination "$from/${f#"$to"/}" "$f"
  done
  rm -f "$to/.quorbel-ready"
}

# Starts Xvfb on a free display. Sets QUORBEL_XVFB_PID and QUORBEL_XVFB_DISPLAY (":N").
quorbel_start_xvfb() {
  local dir n=""
  dir=$(mktemp -d)
  mkfifo "$dir/ready"
  Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp -noreset 9>"$dir/ready" >/dev/null 2>&1 &
  QUORBEL_XVFB_PID=$!
  read -r -t 20 n < "$dir/ready"
  rm -rf "$dir"
  if [ -z "$n" ]; then
    kill "$QUORBEL_XVFB_PID" 2>/dev/null
    return 1
  fi
  QUORBEL_XVFB_DISPLAY=":$n"
}
