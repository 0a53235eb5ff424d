#!/usr/bin/env bash
# Builds the Debian package from a Release build, checks it with lintian and the
# desktop-entry and AppStream validators, installs it on this machine, starts the
# installed program, and removes the package again, checking that none of its
# files remain. Run it as root (or with sudo available):
#
#   bash scripts/ci-package.sh [BUILD_DIR]      (default: build-release)
#
# The package is left in BUILD_DIR as calvora_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-build-release}
case $build in /*) ;; *) build=$root/$build ;; esac

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "ci-package.sh: run as root" >&2; exit 1; }
  sudo=(sudo)
fi
apt_get() { "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "$@"; }

bash scripts/setup.sh
packages=(
  dpkg-dev file                 # cpack's dpkg-shlibdeps and its file-type probe
  lintian                       # the package checks
  desktop-file-utils appstream  # desktop-file-validate, appstreamcli
  man-db                        # reads the manual page for its warnings
  xdotool strace                # press Help on the installed program, see what it opens
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt_get update
  apt_get install -y --no-install-recommends "${missing[@]}"
fi

# ---- build ---------------------------------------------------------------------
# A Release build with the hardening flags Debian builds its packages with.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCALVORA_BUILD_TESTS=OFF -DCALVORA_BUILD_BENCH=OFF -DCALVORA_HELP_FROM_SOURCE=OFF \
  "-DCMAKE_CXX_FLAGS=-fstack-protector-strong -D_FORTIFY_SOURCE=2 -Wformat -Werror=format-security" \
  "-DCMAKE_EXE_LINKER_FLAGS=-Wl,-z,relro -Wl,-z,now"
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/calvora_*.deb
(cd "$build" && cpack -G DEB)
debs=("$build"/calvora_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "ci-package.sh: no single package built" >&2; exit 1; }
deb=${debs[0]}
echo "== built $(basename "$deb")"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"

# ---- static checks -----------------------------------------------------------------
failed=0
fail() { echo "ci-package.sh: FAILED: $*" >&2; failed=1; }

echo "== lintian"
lintian --fail-on error,warning --display-info "$deb" || fail "lintian"

echo "== desktop-file-validate, appstreamcli validate"
extract=$(mktemp -d)
trap 'rm -rf "$extract"' EXIT
dpkg-deb -x "$deb" "$extract"
desktop=("$extract"/usr/share/applications/*.desktop)
metainfo=("$extract"/usr/share/metainfo/*.metainfo.xml)
[ ${#desktop[@]} -eq 1 ] && [ -f "${desktop[0]}" ] || fail "one desktop entry expected"
[ ${#metainfo[@]} -eq 1 ] && [ -f "${metainfo[0]}" ] || fail "one AppStream file expected"
# Hints are advice; errors and warnings fail.
out=$(desktop-file-validate "${desktop[0]}" 2>&1) || fail "desktop-file-validate"
echo "$out"
if grep -Eq '(error|warning):' <<<"$out"; then fail "desktop-file-validate reports a problem"; fi
out=$(appstreamcli validate --no-net "${metainfo[0]}" 2>&1) || fail "appstreamcli validate"
echo "$out"
if grep -Eq '^[EW]:' <<<"$out"; then fail "appstreamcli reports a problem"; fi
# The three files carry one application id.
app_id=$(basename "${desktop[0]}" .desktop)
[ "$(basename "${metainfo[0]}" .metainfo.xml)" = "$app_id" ] || fail "AppStream file name is not $app_id"
grep -q "<id>$app_id</id>" "${metainfo[0]}" || fail "AppStream id is not $app_id"
grep -qx "Icon=$app_id" "${desktop[0]}" || fail "desktop entry icon is not $app_id"
[ -f "$extract/usr/share/icons/hicolor/scalable/apps/$app_id.svg" ] || fail "no icon $app_id.svg"

echo "== help pictures"
# Every picture the help file names travels with it.
for image in $(grep -o 'src="images/[^"]*"' "$root/help/CALVOR1.HLP" | sed 's/^src="//; s/"$//' | sort -u); do
  [ -f "$extract/usr/share/calvora/$image" ] || fail "the package lacks $image"
done

echo "== run-time dependencies"
# The units library comes through dpkg-shlibdeps, its database by name.
depends=$(dpkg-deb -f "$deb" Depends)
echo "$depends"
grep -q 'libudunits2-0' <<<"$depends" || fail "the package does not depend on libudunits2-0"
grep -q 'libudunits2-data' <<<"$depends" || fail "the package does not depend on libudunits2-data"

echo "== no build-machine path in the program"
if grep -qF "$root" "$extract/usr/bin/calvora"; then fail "usr/bin/calvora names $root"; fi

echo "== manual page"
out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$extract/usr/share/man/man1/calvora.1.gz" 2>&1 >/dev/null) ||
  fail "man"
[ -z "$out" ] || { echo "$out"; fail "the manual page has warnings"; }
if [ $failed -ne 0 ]; then exit 1; fi

# ---- install, start, remove ----------------------------------------------------------
if dpkg-query -W -f='${Status}' calvora 2>/dev/null | grep -q "install ok installed"; then
  apt_get purge -y calvora
fi
echo "== apt-get install"
(cd "$(dirname "$deb")" && apt_get install -y "./$(basename "$deb")")
installed_files=$(dpkg-query -L calvora)

log=$(mktemp -d)
trap 'rm -rf "$extract" "$log"' EXIT

# Headless start: the installed program must come up and keep running.
echo "== start /usr/bin/calvora (offscreen)"
QT_QPA_PLATFORM=offscreen QT_QPA_PLATFORMTHEME= /usr/bin/calvora >"$log/offscreen.txt" 2>&1 &
pid=$!
sleep 5
if kill -0 "$pid" 2>/dev/null; then
  kill "$pid"
  wait "$pid" 2>/dev/null || true
else
  wait "$pid" && status=0 || status=$?
  cat "$log/offscreen.txt"
  fail "the installed program ended within 5 s (exit status $status)"
fi

# The command line needs no display: a template, filled in and run, with a unit
# string so the units database is read too.
echo "== command line without a display"
nodisplay=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
if (
  cd "$log" &&
    "${nodisplay[@]}" /usr/bin/calvora --version &&
    "${nodisplay[@]}" /usr/bin/calvora --template thermal >thermal.json &&
    sed -i -e 's/"Th1": ""/"Th1": "248 degF"/; s/"Tc1": ""/"Tc1": 20/; s/"Th0": ""/"Th0": 80/' \
      -e 's/"Tc0": ""/"Tc0": 45/; s/"Mc": ""/"Mc": 2/; s/"U": ""/"U": 800/' \
      -e 's/"cc": ""/"cc": 4180/; s/"ch": ""/"ch": 2000/; s/"Parallel Flow"/"Counter Flow"/' \
      -e 's/"unknowns": \[/"unknowns": ["Mh", "Q", "A"/' thermal.json &&
    "${nodisplay[@]}" /usr/bin/calvora --run thermal.json --report-dir out --csv runs.csv &&
    grep -q '^Total surface area (m2) : *3.8864$' out/thermal.txt &&
    grep -q '^thermal.json,120,20,80,45,800,2,2.6125,' runs.csv
); then
  echo "the command line ran a thermal case without a display"
else
  cat "$log/thermal.json" "$log/runs.csv" 2>/dev/null || true
  fail "the command line did not run a thermal case without a display"
fi

# The help file: press Help on the main menu (Alt+H) in a virtual display and
# check that the installed program opened its help file from /usr/share/calvora.
# The program has no option or variable to ask, so this follows the user's path.
echo "== Help on the installed program (Xvfb)"
cat >"$log/press-help.sh" <<'EOF'
set -u
export QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=
strace -f -qq -e trace=openat -o "$1/strace.txt" /usr/bin/calvora >"$1/x11.txt" 2>&1 &
tracer=$!
# The splash screen stays above the main menu for its first 3.8 s.
sleep 5
# strace ignores SIGTERM while it runs a program, so the program is ended itself.
program=$(ps -o pid= --ppid "$tracer" | tr -d ' ')
window=$(timeout 20 xdotool search --sync --onlyvisible --limit 1 --name '^Calvora  v1\.0$') || window=
[ -n "$window" ] && xdotool windowfocus --sync "$window" && xdotool key --clearmodifiers alt+h
help=$(timeout 20 xdotool search --sync --onlyvisible --limit 1 --name '^Calvora Help$') || help=
sleep 1
alive=0
if [ -n "$program" ] && kill -0 "$program" 2>/dev/null; then
  alive=1
  kill "$program"
fi
wait "$tracer"
[ -n "$help" ] && [ $alive -eq 1 ]
EOF
if timeout -k 10 120 xvfb-run -a bash "$log/press-help.sh" "$log"; then
  # Found at /usr/bin/../share/calvora (beside the bin folder) or at the install path.
  if grep -Eq 'openat\(.*"/usr/(bin/\.\./)?share/calvora/CALVOR1\.HLP".* = [0-9]+$' "$log/strace.txt"; then
    echo "the installed program opened its help file"
  else
    grep -i 'CALVOR1' "$log/strace.txt" || true
    fail "the installed program did not open /usr/share/calvora/CALVOR1.HLP"
  fi
else
  cat "$log/x11.txt"
  fail "the help window did not open, or the program did not stay up"
fi

echo "== apt-get purge"
apt_get purge -y calvora
if dpkg-query -W -f='${Status}' calvora 2>/dev/null | grep -q "installed"; then
  fail "calvora is still installed"
fi
left=()
while IFS= read -r path; do
  [ -n "$path" ] || continue
  # Shared folders such as /usr/share/applications stay; the package's own
  # files and folders must be gone.
  if [ -d "$path" ] && [ ! -L "$path" ]; then
    case $path in */calvora) [ -e "$path" ] && left+=("$path") ;; esac
  elif [ -e "$path" ] || [ -L "$path" ]; then
    left+=("$path")
  fi
done <<<"$installed_files"
[ ${#left[@]} -eq 0 ] || fail "left after purge: ${left[*]}"

if [ $failed -ne 0 ]; then exit 1; fi
echo "== package $(basename "$deb"): built, checked, installed, started and removed"
