#!/bin/sh
# Usage: run_targets.sh FUZZ_BUILD SECONDS JOBS
# Runs every fuzz target of FUZZ_BUILD/bin for SECONDS from its seed corpus in tests/fuzz/corpus,
# JOBS targets at a time (each target is one process, so the cores are shared between targets,
# not within one).  Prints runs and executions per second of each; a finding is written to
# FUZZ_BUILD/findings/<target>/ and makes the exit status 1.
build=$(cd "$1" && pwd)
seconds=$2
jobs=$3
source_dir=$(cd "$(dirname "$0")" && pwd)

run_one() {  # target path; leaves FUZZ_BUILD/<name>.status
    name=$(basename "$1")
    work=$build/run/$name
    corpus=$build/corpus/$name
    findings=$build/findings/$name
    log=$build/$name.log
    mkdir -p "$work" "$corpus" "$findings"
    if (cd "$work" && "$1" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="$findings/" -print_final_stats=1 \
            "$corpus" "$source_dir/corpus/$name" >"$log" 2>&1); then
        echo 0 >"$build/$name.status"
    else
        echo 1 >"$build/$name.status"
    fi
}

report() {  # target name
    echo "== $1 for $seconds s"
    if [ "$(cat "$build/$1.status")" = 0 ]; then
        grep -E '^Done [0-9]+ runs|stat::average_exec_per_sec' "$build/$1.log"
    else
        tail -n 40 "$build/$1.log"
        echo "FINDING in $1: see $build/findings/$1/"
        status=1
    fi
}

status=0
set -- "$build"/bin/*_fuzz
while [ $# -gt 0 ]; do
    batch=""
    i=0
    while [ $# -gt 0 ] && [ $i -lt "$jobs" ]; do
        run_one "$1" &
        batch="$batch $(basename "$1")"
        shift
        i=$((i + 1))
    done
    wait
    for name in $batch; do report "$name"; done
done
exit $status
