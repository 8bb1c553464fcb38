#!/usr/bin/env bash
# Tries the README's two set-up commands as a newcomer would meet them: on a minimal Debian 12
# root made anew with debootstrap, as root, with an empty environment (no LANG, no LC_*). Not part
# of CI: it needs the network and takes many minutes (the test command builds twice).
#
#     bash scripts/fresh-machine.sh [--reuse-base] [--keep]
#
# It clones the current commit (uncommitted changes are not included) into the root, runs
# `bash scripts/run.sh` without a display (it must say so and exit with 1), then
# `bash scripts/test.sh` (it must pass, with no test skipped but the Windows suite's, each with
# its reason, and the result files of both builds compared), then starts the built program
# under an Xvfb inside the root and checks that the login appears with its title. It prints the
# time of each phase; its last line is the summary. Everything lives under /var/tmp/trelko-fresh
# (FRESH_DIR overrides): the root is removed at the end unless --keep; the logs stay.
# --reuse-base keeps the downloaded base-system packages and bootstraps from them next time (the
# root is still made anew).
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
mirror=http://deb.debian.org/debian
work=${FRESH_DIR:-/var/tmp/trelko-fresh}
reuse_base=0
keep=0
for arg in "$@"; do
    case $arg in
        --reuse-base) reuse_base=1 ;;
        --keep) keep=1 ;;
        *) echo "usage: bash scripts/fresh-machine.sh [--reuse-base] [--keep]" >&2; exit 2 ;;
    esac
done
if [ "$(id -u)" -ne 0 ]; then
    echo "fresh-machine: must run as root (debootstrap, mount, chroot)" >&2
    exit 2
fi

commit=$(git -C "$repo" rev-parse HEAD)
if [ -n "$(git -C "$repo" status --porcelain --untracked-files=no)" ]; then
    echo "fresh-machine: note: uncommitted changes are not tried, only ${commit:0:12}"
fi
if ! command -v debootstrap >/dev/null; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends debootstrap
fi

mkdir -p "$work"
root=$(mktemp -d "$work/root.XXXXXX")
chmod 755 "$root"  # a root folder, open to every user as / is (mktemp makes it private)
logs=$work/logs-$(date +%Y%m%d-%H%M%S)
mkdir -p "$logs"
clean_path=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin

mounts_in_root() {
    findmnt -rn -o TARGET | while IFS= read -r target; do
        case $target in "$root"/*) echo "$target" ;; esac
    done | sort -r
}

# Ends a process and everything it started, the children first.
kill_tree() {
    local child
    for child in $(ps -o pid= --ppid "$1"); do
        kill_tree "$child"
    done
    kill -TERM "$1" 2>/dev/null || true
}

# Ends the step under way, unmounts whatever is mounted inside the root (also what an interrupted
# debootstrap left), the deepest first, and removes the root only when nothing is mounted there
# any more. Runs on every way out; before the last line when the script ends by itself.
running=
torn_down=0
teardown() {
    [ "$torn_down" -eq 0 ] || return 0
    torn_down=1
    set +e
    if [ -n "$running" ]; then
        kill_tree "$running"
        wait "$running" 2>/dev/null
    fi
    for proc in /proc/[0-9]*; do
        if [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ]; then
            kill -KILL "${proc#/proc/}" 2>/dev/null
        fi
    done
    for target in $(mounts_in_root); do
        umount "$target" || umount -l "$target"
    done
    if [ -n "$(mounts_in_root)" ]; then
        echo "fresh-machine: still mounted under $root; not removing it" >&2
    elif [ "$keep" -eq 1 ]; then
        echo "== the root is kept in $root"
    else
        echo "== removing the root"
        rm -rf --one-file-system "$root"
    fi
    set -e
}
reported=0
on_exit() {
    local status=$?
    teardown
    if [ "$reported" -eq 0 ]; then
        echo "fresh-machine: STOPPED (exit $status; logs in $logs)"
    fi
    exit "$status"
}
trap on_exit EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Runs a command with its output in a log, each line with the time it came, and returns the
# command's status. In the background, so that an interruption is handled at once.
logged() {
    local log=$1
    shift
    printf '%s == start\n' "$EPOCHREALTIME" >"$log"
    ("$@" 2>&1 | while IFS= read -r line || [ -n "$line" ]; do
        printf '%s %s\n' "$EPOCHREALTIME" "$line"
    done >>"$log") &
    running=$!
    local status=0
    wait "$running" || status=$?
    running=
    printf '%s == exit %d\n' "$EPOCHREALTIME" "$status" >>"$log"
    return "$status"
}

fail() {
    echo "fresh-machine: FAIL: $1" >&2
    if [ -n "${2:-}" ]; then
        echo "--- last lines of $2" >&2
        tail -n 40 "$2" | cut -d' ' -f2- >&2
    fi
    teardown
    reported=1
    echo "fresh-machine: FAIL ($1; logs in $logs)"
    exit 1
}

minutes() {
    printf '%dm%02ds' $(($1 / 60)) $(($1 % 60))
}

# In a fresh root shell: only PATH and HOME, no locale.
in_root() {
    env -i PATH="$clean_path" HOME=/root chroot "$root" "$@"
}

echo "== root: debootstrap --variant=minbase bookworm into $root"
start=$EPOCHSECONDS
bootstrap=(debootstrap --variant=minbase)
if [ "$reuse_base" -eq 1 ]; then
    base=$work/bookworm-minbase.tgz
    if [ ! -s "$base" ]; then
        scratch=$(mktemp -d "$work/base.XXXXXX")
        logged "$logs/base.log" env -i PATH="$clean_path" \
            debootstrap --variant=minbase --make-tarball="$base" bookworm "$scratch" "$mirror" ||
            fail "downloading the base system" "$logs/base.log"
        rm -rf "$scratch"
    fi
    bootstrap+=(--unpack-tarball="$base")
fi
logged "$logs/debootstrap.log" env -i PATH="$clean_path" \
    "${bootstrap[@]}" bookworm "$root" "$mirror" ||
    fail "debootstrap" "$logs/debootstrap.log"
root_time=$((EPOCHSECONDS - start))
debian=$(cat "$root/etc/debian_version")
echo "   Debian $debian, $(in_root dpkg-query -W | wc -l) packages," \
    "$(minutes "$root_time")"

# What a build and the tests need of a running system.
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys" || mount --bind /sys "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"

git clone --quiet --no-checkout "$repo" "$root/root/trelko"
git -C "$root/root/trelko" checkout --quiet --detach "$commit"
echo "== cloned ${commit:0:12} into /root/trelko"

echo "== bash scripts/run.sh (no display)"
status=0
logged "$logs/run.log" in_root bash -c 'cd /root/trelko && bash scripts/run.sh' || status=$?
[ "$status" -eq 1 ] || fail "run.sh without a display exited with $status, not 1" "$logs/run.log"
grep -q 'Nincs grafikus kijelző' "$logs/run.log" ||
    fail "run.sh without a display did not say why" "$logs/run.log"
echo "   exit 1: $(grep 'Nincs grafikus kijelző' "$logs/run.log" | tail -1 | cut -d' ' -f2-)"

echo "== bash scripts/test.sh"
logged "$logs/test.log" in_root bash -c 'cd /root/trelko && bash scripts/test.sh' ||
    fail "test.sh" "$logs/test.log"
suites=$(grep -c '100% tests passed' "$logs/test.log" || true)
[ "$suites" -eq 3 ] || fail "test.sh: $suites of the 3 suites passed" "$logs/test.log"
# Only the Windows suite may skip, each test with its reason: what cannot hold under Windows.
linux_skips() {
    awk '/ == Windows part$/ { windows = 1 } / == Windows part done/ { windows = 0 }
         !windows && / Test +#[0-9]+: .*\*\*\*Skipped/' "$logs/test.log"
}
skipped=$(linux_skips | wc -l)
if [ "$skipped" -ne 0 ]; then
    linux_skips | cut -d' ' -f2- >&2
    fail "$skipped tests skipped on the fresh machine"
fi
grep -q 'compare-results: 8 runs, byte-identical' "$logs/test.log" ||
    fail "the result files of the Linux and the Windows build were not compared" "$logs/test.log"
grep -qE 'RealNumber\.IgnoresTheProcessLocale \.+ +Passed' "$logs/test.log" ||
    fail "the locale test did not run" "$logs/test.log"
tests=$(grep -oE 'tests passed, 0 tests failed out of [0-9]+' "$logs/test.log" |
    awk '{ n += $NF } END { print n }')
echo "   both suites passed, $tests tests, none skipped"

echo "== the login under an Xvfb inside the root"
# shellcheck disable=SC2016  # expanded by the shell inside the root
logged "$logs/login.log" in_root bash -c '
    set -u
    cd /root/trelko
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1600x1000x24 3>/tmp/display 2>/tmp/xvfb.log &
    xvfb=$!
    for _ in $(seq 200); do grep -q . /tmp/display && break; sleep 0.1; done
    display=:$(cat /tmp/display)
    DISPLAY=$display build/apparatus/trelko &
    program=$!
    id=
    for _ in $(seq 200); do
        id=$(DISPLAY=$display LC_ALL=C.UTF-8 xdotool search --name " Bejelentkezés" | head -1)
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] && DISPLAY=$display LC_ALL=C.UTF-8 xprop -id "$id" WM_NAME _NET_WM_NAME
    kill "$program" "$xvfb"
    wait
    [ -n "$id" ]' || fail "the login did not appear" "$logs/login.log"
for property in 'WM_NAME(STRING)' '_NET_WM_NAME(UTF8_STRING)'; do
    grep -qF "$property = \" Bejelentkezés\"" "$logs/login.log" ||
        fail "the login's $property is not \" Bejelentkezés\"" "$logs/login.log"
done
echo "   the login shows, titled \" Bejelentkezés\" in WM_NAME and _NET_WM_NAME"

# Seconds of each phase: packages until the first CMake line of a command, building until
# ctest starts, testing until the next CMake line.
read -r package_time build_time test_time < <(awk '
    FNR == 1 { state = "package"; last = $1; next }
    { spent[state] += $1 - last; last = $1 }
    $2 == "--" && state != "build" { state = "build" }
    $2 == "Test" && $3 == "project" { state = "test" }
    END { printf "%d %d %d\n", spent["package"], spent["build"], spent["test"] }
' "$logs/run.log" "$logs/test.log")
packages=$(grep -oE '[0-9]+ newly installed' "$logs/run.log" | head -1 | cut -d' ' -f1)
total=$((root_time + package_time + build_time + test_time))

teardown
reported=1
echo "== phases: root $(minutes "$root_time"), packages $(minutes "$package_time")" \
    "(${packages:-0} installed), build $(minutes "$build_time"), tests $(minutes "$test_time")"
echo "== logs in $logs"
echo "fresh-machine: PASS ${commit:0:12} on Debian $debian:" \
    "root $(minutes "$root_time"), packages $(minutes "$package_time") (${packages:-0})," \
    "build $(minutes "$build_time"), tests $(minutes "$test_time") ($tests), total $(minutes "$total")"
