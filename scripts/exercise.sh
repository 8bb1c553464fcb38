#!/usr/bin/env bash
# Runs the exerciser on the sanitizer build for as many minutes as asked, one seed after another,
# and prints the totals and the actions per second. A failure ends the run with the exerciser's
# replay line (and the sanitizer's report above it); the exit status is then not 0.
#   scripts/exercise.sh MINUTES [FIRST_SEED]
set -euo pipefail
cd "$(dirname "$0")/.."

minutes=${1:?usage: scripts/exercise.sh MINUTES [FIRST_SEED]}
seed=${2:-1000}
if ! [[ $minutes =~ ^[0-9]+$ && $seed =~ ^[0-9]+$ ]]; then
    echo "usage: scripts/exercise.sh MINUTES [FIRST_SEED]" >&2
    exit 2
fi

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
# Aborting on a report lets the exerciser print the seed and the action to replay.
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:abort_on_error=1
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSIM_SANITIZE=ON >/dev/null
cmake --build build-asan --target exerciser
exerciser=build-asan/tests/exerciser/exerciser
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# One seed runs at most this long, so that a run of hours is many seeds, each replayable alone.
per_seed=600
start=$(date +%s)
end=$((start + minutes * 60))
seeds=0
actions=0
while (($(date +%s) < end)); do
    left=$((end - $(date +%s)))
    status=0
    # The sequence is made before it runs: ample for the seconds, never gigabytes.
    "$exerciser" --seed "$seed" --actions 500000 --seconds $((left < per_seed ? left : per_seed)) \
        >"$log" 2>&1 || status=$?
    summary=$(grep -a "^exerciser: seed $seed: " "$log" || true)
    if ((status != 0)) || [[ -z $summary ]]; then
        grep -av "does not support\|XDG_RUNTIME_DIR" "$log" >&2 || true
        echo "exercise: seed $seed failed (status $status) after $seeds whole seeds" >&2
        exit 1
    fi
    echo "$summary"
    seeds=$((seeds + 1))
    actions=$((actions + $(sed -E 's/.*: ([0-9]+) actions passed.*/\1/' <<<"$summary")))
    seed=$((seed + 1))
done
seconds=$(($(date +%s) - start))
echo "exercise: $seeds seeds, $actions actions in ${seconds} s on the sanitizer build," \
    "$((actions / (seconds > 0 ? seconds : 1))) actions/s, no fault"
