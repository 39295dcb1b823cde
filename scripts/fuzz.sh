#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each: first over its checked-in corpus
# (every seed and every past finding must pass), then for SECONDS seconds of
# new inputs. Prints executions and coverage per target.
#
#   scripts/fuzz.sh 10            every target, 10 s each
#   scripts/fuzz.sh 1200 grid_file
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-10}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(number_text catalogue version_info grid_file update_list live_record)
fi

bash scripts/install-deps.sh clang libclang-rt-14-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" >/dev/null

summary=()
for t in "${targets[@]}"; do
    bin="build/fuzz/fuzz/fuzz_$t"
    seeds="fuzz/corpus/$t"
    work="build/fuzz/corpus/$t"
    mkdir -p "$work" "$seeds"
    log="build/fuzz/$t.log"
    echo "== $t: replaying $(ls "$seeds" | wc -l) corpus files"
    "$bin" -runs=0 "$seeds" >"$log.replay" 2>&1 || { cat "$log.replay"; echo "$t: a corpus file fails" >&2; exit 1; }
    echo "== $t: fuzzing for $seconds s"
    if ! "$bin" "$work" "$seeds" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2560 \
            -print_final_stats=1 -artifact_prefix="build/fuzz/$t-" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "$t: finding, see build/fuzz/$t-*" >&2
        exit 1
    fi
    execs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | awk '{print $2}')
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | awk '{print $2}')
    ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | awk '{print $2}')
    summary+=("$(printf '%-14s %12s executions  %6s edges  %7s features' "$t" "$execs" "$cov" "$ft")")
done
echo
printf '%s\n' "${summary[@]}"
