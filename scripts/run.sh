#!/usr/bin/env bash
# Builds Calvora (Release, in build-release/) and starts it as the calling user.
#
# With a display (DISPLAY or WAYLAND_DISPLAY set) the program opens there.
# Without one, it runs on a virtual X display (Xvfb) that x11vnc serves to VNC
# viewers on this machine only (127.0.0.1); one line tells where to connect.
# The virtual display and the VNC server end with the program, with Ctrl+C and
# when this script is killed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

build=build-release
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# Every option is set each time, so an earlier configuration of the folder
# cannot leave it in another state.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCALVORA_BUILD_UI=ON \
  -DCALVORA_BUILD_TESTS=OFF -DCALVORA_BUILD_BENCH=OFF -DCALVORA_FUZZ=OFF \
  -DCALVORA_SANITIZE=OFF "${launcher[@]}"
cmake --build "$build" -j"$(nproc)" --target calvora

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "./$build/calvora"
fi

# ---- headless: Xvfb + x11vnc on 127.0.0.1 -----------------------------------
work=$(mktemp -d "${TMPDIR:-/tmp}/calvora-vnc.XXXXXX")
xvfb_pid=
vnc_pid=
app_pid=
cleanup() {
  # Ignore further signals while cleaning up: `timeout` signals the whole
  # process group, so a second TERM may follow the first, and it must not end
  # this script before the VNC server and the display have gone.
  trap - EXIT
  trap '' INT TERM HUP
  for pid in "$app_pid" "$vnc_pid" "$xvfb_pid"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  done
  for pid in "$app_pid" "$vnc_pid" "$xvfb_pid"; do
    [ -n "$pid" ] && wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'cleanup; exit 130' INT
trap 'cleanup; exit 143' TERM
trap 'cleanup; exit 129' HUP

# Only clients holding this cookie may use the virtual display.
export XAUTHORITY="$work/Xauthority"
: >"$XAUTHORITY"
cookie=$(mcookie)
xauth -q -f "$XAUTHORITY" add :0 . "$cookie"

# Xvfb picks a free display number and writes it once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -auth "$XAUTHORITY" \
  3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  echo "run.sh: the virtual display (Xvfb) did not start:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
xauth -q -f "$XAUTHORITY" add "$DISPLAY" . "$cookie"

# -localhost -noipv6: listen on 127.0.0.1 only; x11vnc picks a free port from
# 5900 on and prints it as PORT=n.
x11vnc -display "$DISPLAY" -auth "$XAUTHORITY" -localhost -noipv6 -forever -shared \
  -nopw -quiet >"$work/x11vnc.out" 2>"$work/x11vnc.log" &
vnc_pid=$!
port=
for _ in $(seq 100); do
  port=$(sed -n 's/^PORT=\([0-9]*\)$/\1/p' "$work/x11vnc.out")
  [ -n "$port" ] && break
  kill -0 "$vnc_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$port" ]; then
  echo "run.sh: the VNC server (x11vnc) did not start:" >&2
  cat "$work/x11vnc.log" >&2
  exit 1
fi

"./$build/calvora" &
app_pid=$!
echo "Calvora is running without a display: connect a VNC viewer to 127.0.0.1 port $port" \
  "(viewer address 127.0.0.1::$port), reachable from this machine only;" \
  "from another computer first run there: ssh -L $port:127.0.0.1:$port ${USER:-$(id -un)}@$(hostname)" \
  "and view localhost::$port. To stop: quit the program or press Ctrl+C here."

status=0
wait "$app_pid" || status=$?
app_pid=
exit "$status"
