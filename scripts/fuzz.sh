#!/usr/bin/env bash
# Fuzzes every target (or the ones named) for the given number of seconds each, one after the
# other, with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer:
#
#     bash scripts/fuzz.sh [seconds-per-target] [target ...]
#
# Targets: whole_number factor_file geometry_file message_lines component_collides
# evaluate_apparatus (default: all, 600 seconds each). The build is build-fuzz/; inputs that
# found new coverage collect in build-fuzz/corpus/<target>/, crashes in
# build-fuzz/artifacts/<target>/, the fuzzer's output in build-fuzz/logs/<target>.log. The
# stored corpus fuzz/corpus/<target>/ is read but never written: copy a crash there as
# regression-<name> once it is fixed. Exits with 1 if any target crashed, leaked or broke a
# property.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
shift || true
all=(whole_number factor_file geometry_file message_lines component_collides evaluate_apparatus)
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=("${all[@]}")
fi

# libFuzzer and the sanitizer runtimes come with Debian's clang and compiler-rt packages.
bash scripts/deps.sh --linux clang libclang-rt-dev

build=build-fuzz
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

failed=0
summary=()
for t in "${targets[@]}"; do
    mkdir -p "$build/corpus/$t" "$build/artifacts/$t" "$build/logs"
    log="$build/logs/$t.log"
    echo "== $t: ${seconds} s"
    status=0
    # -timeout: one input may take at most 10 s; -rss_limit_mb: memory of the whole process.
    "$build/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$t/" \
        "$build/corpus/$t" "fuzz/corpus/$t" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log" | tail -1)
    crashes=$(find "$build/artifacts/$t" -type f | wc -l)
    line=$(printf '%-20s %12s executions  %6s MB peak  exit %d  %d artefacts' \
        "$t" "${runs:-?}" "${rss:-?}" "$status" "$crashes")
    echo "$line"
    summary+=("$line")
    if [ "$status" -ne 0 ]; then
        failed=1
        grep -E 'ERROR|SUMMARY|property broken|Test unit written' "$log" | head -5 || true
    fi
done

echo
echo "== summary (${seconds} s per target)"
printf '%s\n' "${summary[@]}" | tee "$build/summary.txt"
exit "$failed"
