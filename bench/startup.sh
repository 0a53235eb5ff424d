#!/usr/bin/env bash
# Start-up cost of the program: the time from process start until the main menu
# ("Calvora  v1.0") is mapped on the display, and the peak resident memory of the
# process. The main menu is shown as soon as the screens are created; the
# splash's 3.8 s timer only decides when the splash goes away, so it is not part
# of the figure.
#
# Usage: bash bench/startup.sh [runs] [build-dir]     (defaults: 7 runs, build)
# Builds the program if the build folder has none, runs it under a virtual X
# display (xvfb-run) unless DISPLAY is set, and installs xdotool if missing.
# Targets: start-up under 300 ms, peak resident memory under 80 MB.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-7}
build=${2:-build}
exe="$build/calvora"
caption='Calvora  v1.0'
settle_seconds=4.5   # after the menu shows: past the splash timer, so its work counts too
limit_ms=300
limit_mb=80

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

if [ -z "${DISPLAY:-}" ]; then
  install_missing xvfb xauth xdotool
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$runs" "$build"
fi
install_missing xdotool

if [ ! -s "$exe" ] || [ ! -x "$exe" ]; then
  echo "building $exe ..."
  bash scripts/setup.sh
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" -j"$(nproc)" --target calvora >/dev/null
fi

# No window of an earlier program may answer the search.
if xdotool search --onlyvisible --name "$caption" >/dev/null 2>&1; then
  echo "startup.sh: a window named '$caption' is already on $DISPLAY" >&2
  exit 1
fi

# Qt wants a private runtime folder; without one it warns on every start.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

now_ns() { date +%s%N; }

times_ms=()
peaks_kb=()
for ((run = 1; run <= runs; run++)); do
  start=$(now_ns)
  env -u QT_QPA_PLATFORM "$exe" &   # a real X window, whatever the caller's Qt platform
  pid=$!
  shown=""
  # Poll the window list; give up after 20 s.
  while [ -z "$shown" ]; do
    if xdotool search --onlyvisible --name "$caption" >/dev/null 2>&1; then
      shown=$(now_ns)
    elif ! kill -0 "$pid" 2>/dev/null; then
      echo "startup.sh: the program ended before its main menu showed" >&2
      exit 1
    elif (($(now_ns) - start > 20000000000)); then
      kill "$pid"
      echo "startup.sh: no main menu within 20 s" >&2
      exit 1
    fi
  done
  sleep "$settle_seconds"
  peak=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  ms=$(((shown - start) / 1000000))
  times_ms+=("$ms")
  peaks_kb+=("$peak")
  awk -v r="$run" -v t="$ms" -v k="$peak" \
    'BEGIN {printf "run %d: main menu after %d ms, peak resident memory %.1f MB\n", r, t, k / 1024}'
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
t=$(median "${times_ms[@]}")
m=$(median "${peaks_kb[@]}")
mb=$(awk -v k="$m" 'BEGIN {printf "%.1f", k / 1024}')
echo "median of $runs runs: start-up $t ms (target < $limit_ms ms), peak resident memory $mb MB (target < $limit_mb MB)"
status=0
((t < limit_ms)) || { echo "start-up over target" >&2; status=1; }
awk -v k="$m" -v l="$limit_mb" 'BEGIN {exit !(k / 1024 < l)}' || { echo "memory over target" >&2; status=1; }
exit $status
