#!/bin/bash
# Builds the fuzz targets with clang++ (libFuzzer, AddressSanitizer, UBSan) and runs each for a
# bounded time on its seed corpus plus what earlier runs in the same work directory found.
# Exits non-zero when a target finds a crash; the input is kept under WORK_DIR/artifacts.
#
# Usage: run.sh WORK_DIR [SECONDS_PER_TARGET]
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
WORK=${1:?usage: run.sh WORK_DIR [SECONDS_PER_TARGET]}
SECONDS_EACH=${2:-25}
TARGETS=(file-reader replies)

mkdir -p "$WORK"
if ! cmake -S "$HERE/project" -B "$WORK/build" -DCMAKE_CXX_COMPILER=clang++ \
        >"$WORK/configure.log" 2>&1; then
    cat "$WORK/configure.log"
    exit 1
fi
if ! cmake --build "$WORK/build" -j2 >"$WORK/build.log" 2>&1; then
    tail -n 60 "$WORK/build.log"
    exit 1
fi

STATUS=0
for TARGET in "${TARGETS[@]}"; do
    CORPUS="$WORK/corpus/$TARGET"
    ARTIFACTS="$WORK/artifacts/$TARGET"
    LOG="$WORK/$TARGET.log"
    mkdir -p "$CORPUS" "$ARTIFACTS"
    cp "$HERE/corpus/$TARGET"/* "$CORPUS"/
    if "$WORK/build/fuzz-$TARGET" -max_total_time="$SECONDS_EACH" -timeout=10 \
            -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$ARTIFACTS/" \
            "$CORPUS" >"$LOG" 2>&1; then
        RESULT=passed
    else
        RESULT=FAILED
        STATUS=1
        tail -n 60 "$LOG"
    fi
    RUNS=$(sed -n 's/^stat::number_of_executed_units: *//p' "$LOG")
    echo "fuzz-$TARGET: $RESULT, ${RUNS:-?} inputs in ${SECONDS_EACH}s, corpus $(ls "$CORPUS" | wc -l) files"
done
exit $STATUS
