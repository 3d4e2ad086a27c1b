#!/usr/bin/env bash
# Installs what is missing, builds the program and the virtual instrument, then starts the
# program against the virtual instrument on a private pseudo-terminal port with a private
# settings file. The instrument stops when the program exits.
#   ZRV_PROFILE=FILE  use this settings file instead of a private one
#   ZRV_SIM_ARGS=...  extra options for zrv-sim (for example "--model 1" or "--pace")
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "zorvantellique: no display to show the window on (set DISPLAY, or QT_QPA_PLATFORM=offscreen)" >&2
    exit 1
fi

. "$top/tools/packages.sh"
zrv_install_packages

build="$top/build"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZRV_BUILD_TESTS=OFF \
      -DZRV_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target zorvantellique zrv-sim

work=$(mktemp -d)
sim_pid=""
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

export ZRV_PORTS="$work/ports"
export ZRV_PROFILE="${ZRV_PROFILE:-$work/Zorvantellique.ini}"
# shellcheck disable=SC2086
"$build/sim/zrv-sim" --port 3 ${ZRV_SIM_ARGS:-} >"$work/sim.out" &
sim_pid=$!
for _ in $(seq 100); do
    grep -q "COM3" "$work/sim.out" 2>/dev/null && break
    sleep 0.05
done
cat "$work/sim.out"
"$build/zorvantellique"
