#!/usr/bin/env bash
# Fails on any #include "..." in src/ that goes against the layers:
#
#   shell                          on top: creates the screens and wires them
#   <subsystem>/ui                 screens: the layers below, common/ui and their own ui
#   charts/ui                      the chart window: the layers below, common/ui and charts
#   common/ui                      shared widget helpers: the layers below and common/ui
#   cli                            command line and sweeps: cases, charts and the core
#   charts                         the plotting layer (Qt): common only, no analysis
#   cases                          case files, units, CSV (Qt Core): the core
#   design                         report builders, captions, the run outcome
#   analyses, thermal              the four analyses; the thermal solver
#   ntu, properties                effectiveness relations; fluid tables
#   common                         numbers, format, messages, errors
#
# A core folder includes only its own folder and the folders below it; no core
# file includes a ui folder or shell. A screen never includes shell/ nor another
# subsystem's screens. Each offending include is printed as file:line: include.
#
# Usage: scripts/check-layers.sh [--core-only]   (--core-only skips the ui rules)
set -uo pipefail
cd "$(dirname "$0")/.."

core_only=false
case "${1:-}" in
  --core-only) core_only=true ;;
  "") ;;
  *)
    echo "usage: $0 [--core-only]" >&2
    exit 2
    ;;
esac

# The rank of each core folder: a folder may include folders of lower rank.
declare -A rank=([common]=0 [ntu]=1 [properties]=1 [analyses]=2 [thermal]=2 [design]=3)

# Whether file folder $1 may include header folder $2.
allowed() {
  local from=$1 to=$2
  [[ $from == "$to" ]] && return 0
  case $from in
    shell) return 0 ;;
    charts)
      [[ $to == common ]] && return 0
      return 1
      ;;
    charts/ui)
      [[ -n ${rank[$to]+x} || $to == common/ui || $to == charts || $to == cases ]] && return 0
      return 1
      ;;
    cases)
      [[ -n ${rank[$to]+x} ]] && return 0
      return 1
      ;;
    cli)
      [[ -n ${rank[$to]+x} || $to == cases || $to == charts ]] && return 0
      return 1
      ;;
    common/ui)
      [[ -n ${rank[$to]+x} || $to == cases || $to == cli || $to == charts ]] && return 0
      return 1
      ;;
    */ui)
      [[ -n ${rank[$to]+x} || $to == common/ui || $to == cases || $to == cli || $to == charts ]] &&
        return 0
      return 1
      ;;
  esac
  [[ -n ${rank[$from]+x} && -n ${rank[$to]+x} ]] || return 1
  ((rank[$to] < rank[$from]))
}

failures=0
while IFS= read -r file; do
  from=$(dirname "${file#src/}")
  if $core_only && [[ -z ${rank[$from]+x} ]]; then
    continue
  fi
  while IFS=: read -r line text; do
    header=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1/' <<<"$text")
    [[ $header == */* ]] || continue  # a header beside the file
    to=$(dirname "$header")
    if ! allowed "$from" "$to"; then
      echo "$file:$line: $text"
      failures=$((failures + 1))
    fi
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file")
done < <(find src -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

if ((failures > 0)); then
  echo "check-layers: $failures include(s) against the layers" >&2
  exit 1
fi
echo "check-layers: all includes follow the layers$($core_only && echo ' (core only)')"
