#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test through ctest.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/tools/packages.sh"
zrv_install_packages

build="$top/build-asan"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DZRV_SANITIZE=ON \
      -DZRV_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"

export ASAN_OPTIONS="abort_on_error=0:detect_leaks=1"
export LSAN_OPTIONS="suppressions=$top/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$build"
ctest --output-on-failure -j"$(nproc)" --timeout 300
