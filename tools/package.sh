#!/usr/bin/env bash
# Installs what is missing, builds a Release in build-pkg/ and makes the Debian package
# build-pkg/zorvantellique_<version>-1_amd64.deb with CPack.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/tools/packages.sh"
zrv_install_packages

build="$top/build-pkg"
launcher=$(command -v ccache >/dev/null && echo "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache" || true)
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DZRV_BUILD_TESTS=OFF \
      -DZRV_BUILD_BENCHMARKS=OFF $launcher >/dev/null
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/zorvantellique_*_*.deb
