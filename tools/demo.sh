# Shared by scripts/run and scripts/screenshots: builds what the demo needs, fills a demo
# folder, and starts Quorbel.exe and the stand-in host under Wine with the bar glued to
# the host. Source it after tools/wine-env.sh from the root of the tree; it defines
# functions only. Each reports through `log`, which the sourcing script defines.

# Builds Quorbel.exe and the stand-in host for the build this machine runs (the shipped
# 32-bit one where it can) and sets QUORBEL_DEMO_BIN to the build folder.
quorbel_demo_build() {
  local root=$PWD preset=win64
  quorbel_wine32_works "$root/build/wine-template" && preset=win32
  log "building ($preset)"
  cmake --preset "$preset" >build-run-configure.log 2>&1 || { cat build-run-configure.log; return 1; }
  rm -f build-run-configure.log
  cmake --build --preset "$preset" -j "$(nproc)" --target Quorbel StandInHost >/dev/null || return 1
  QUORBEL_DEMO_BIN=$root/build/$preset
}

# The INI files are in the system code page of the demo (949, Korean).
quorbel_write_cp949() { iconv -f UTF-8 -t CP949 | sed 's/$/\r/' > "$1"; }

# Copies Quorbel.exe and its help file into the folder given and writes a sample pair
# of INI files there when it holds none: four buttons, two of them with folder menus
# whose rows show what a decoration can do (bold, size, height, colours).
quorbel_demo_fill() {
  local demo=$1
  mkdir -p "$demo"
  cp "$QUORBEL_DEMO_BIN/Quorbel.exe" "$QUORBEL_DEMO_BIN/Quorbel.txt" "$demo/"
  [ -f "$demo/Quorbel.ini" ] && return 0
  log "writing a sample Quorbel.ini and SubFolder2.ini"
  quorbel_write_cp949 "$demo/Quorbel.ini" <<'EOF'
[main]
size=4
bGlue=1
iGlueX=160
iGlueY=30
x=40
y=700
[0]
sButtonText=윈도우
sFolderPath=C:\windows
subkey=demo-windows
[1]
sButtonText=사용자
sFolderPath=C:\users
subkey=demo-users
[2]
sButtonText=프로그램
sFolderPath=C:\Program Files
subkey=demo-programs
[3]
sButtonText=새로 읽기
iCommand=540
subkey=demo-reread
EOF
  quorbel_write_cp949 "$demo/SubFolder2.ini" <<'EOF'
[demo-windows]
0=시스템|C:\windows\system32
1=글꼴|C:\windows\Fonts
2=드라이버|C:\windows\system32\drivers
3=-|
4=임시 폴더|C:\windows\temp
5=바탕 화면|C:\users\Public\Desktop
[demo-windowsE]
0=1|12|25|-1|255
1=0|-1|-1|15130800|-1
2=0|-1|-1|-1|12611584
4=1|-1|-1|13434879|32768
5=
[demo-users]
0=공용|C:\users\Public
EOF
}

# Starts the demo from the folder given in the Wine prefix given (cloned from the
# template when missing): Quorbel.exe first, then the host at the rectangle given
# ("left,top,width,height") so that its window takes the foreground and the bar glues
# to it. Uses a private Xvfb display when DISPLAY is not set. Sets QUORBEL_DEMO_BAR_PID
# and QUORBEL_DEMO_OWN_DISPLAY (1 or 0); everything it started stops when the script exits.
quorbel_demo_start() {
  local demo=$1 prefix=$2 host_rect=$3 template=$PWD/build/wine-template
  quorbel_ensure_template "$template" || { log "cannot make a Wine prefix"; return 1; }
  [ -d "$prefix" ] || { mkdir -p "$prefix"; quorbel_clone_prefix "$template" "$prefix"; }

  QUORBEL_DEMO_OWN_DISPLAY=0
  QUORBEL_DEMO_XVFB_PID=""
  if [ -z "${DISPLAY:-}" ]; then
    quorbel_start_xvfb || { log "Xvfb did not start"; return 1; }
    QUORBEL_DEMO_XVFB_PID=$QUORBEL_XVFB_PID
    export DISPLAY=$QUORBEL_XVFB_DISPLAY
    QUORBEL_DEMO_OWN_DISPLAY=1
  fi
  export WINEPREFIX=$prefix WINELOADER
  WINELOADER=$(quorbel_wine_loader_for "$demo/Quorbel.exe") || return 1
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=ko_KR.UTF-8
  trap quorbel_demo_stop EXIT
  trap 'exit 130' INT TERM

  log "starting Quorbel.exe"
  (cd "$demo" && "$WINELOADER" "$demo/Quorbel.exe" >/dev/null 2>&1) &
  QUORBEL_DEMO_BAR_PID=$!
  quorbel_wait_for_window quorbel.exe || { log "the bar did not appear"; return 1; }

  # The host's left panel opens on its working folder: C:\windows, the first button's.
  log "starting the stand-in host"
  (cd "$prefix/drive_c/windows" &&
    "$WINELOADER" "$QUORBEL_DEMO_BIN/StandInHost.exe" --log="Z:${demo//\//\\}\\host.log" \
      --pos="$host_rect" >/dev/null 2>&1) &
  quorbel_wait_for_window standinhost.exe || { log "the host did not appear"; return 1; }
  # Within a few glue ticks the bar stands at the host's corner + (iGlueX, iGlueY).
  local gx gy want deadline=$((SECONDS + 20))
  gx=$(quorbel_demo_setting "$demo" iGlueX)
  gy=$(quorbel_demo_setting "$demo" iGlueY)
  want="Position: $((${host_rect%%,*} + ${gx:-100})),$(($(cut -d, -f2 <<<"$host_rect") + ${gy:-100}))"
  until xdotool search --onlyvisible --class quorbel.exe getwindowgeometry 2>/dev/null | grep -q "$want"; do
    [ "$SECONDS" -lt "$deadline" ] || { log "the bar did not glue to the host"; return 0; }
    sleep 0.1
  done
}

quorbel_demo_stop() {
  timeout 20 "$QUORBEL_WINESERVER" -k 2>/dev/null
  [ -n "${QUORBEL_DEMO_XVFB_PID:-}" ] && kill "$QUORBEL_DEMO_XVFB_PID" 2>/dev/null
}

# A number from section [main] of the demo's Quorbel.ini.
quorbel_demo_setting() {
  tr -d '\r' < "$1/Quorbel.ini" | sed -n "s/^$2=\(-\?[0-9]*\).*/\1/p" | head -n 1
}

# Waits until `xdotool search` finds a visible window of the given program.
quorbel_wait_for_window() {
  local class=$1 deadline=$((SECONDS + 60))
  while [ "$SECONDS" -lt "$deadline" ]; do
    xdotool search --onlyvisible --class "$class" >/dev/null 2>&1 && return 0
    sleep 0.2
  done
  return 1
}
