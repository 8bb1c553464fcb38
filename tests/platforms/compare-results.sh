#!/usr/bin/env bash
# Runs a series on each geometry with the Linux and the Windows build of the runner's core, in
# exact mode and in random mode (the sequence from 0 in both), and compares the result files
# byte for byte.
#
#     bash tests/platforms/compare-results.sh LINUX_BUILD WINDOWS_BUILD
set -euo pipefail
linux=$1/tests/platforms/result_bytes
windows=$2/tests/platforms/result_bytes.exe
wine=$2/wine-run.sh
work=$(mktemp -d)
trap 'rm -rf "$work"; "$wine" --end' EXIT

# Name; the six components' left and top in the panel (the geometry file's values); the
# sources' rotor places.
geometries=(
    "target_and_detector_mid;536,160,716,160,1095,312,1125,312,1154,312,1183,312;1,9"
    "detector_behind_two_shields;1121,119,836,210,616,200,666,220,1154,312,1183,312;1,9"
    "all_six_spread;496,30,676,50,576,210,776,130,896,270,966,20;1,9"
    "one_source_top_detector_low;616,290,776,300,1095,312,1125,312,1154,312,1183,312;1,0"
)
compared=0
for entry in "${geometries[@]}"; do
    IFS=';' read -r name values sources <<<"$entry"
    mkdir -p "$work/$name"
    python3 -c 'import struct, sys; sys.stdout.buffer.write(struct.pack("<12i", *map(int, sys.argv[1].split(","))))' \
        "$values" >"$work/$name/geometry"
    for mode in exact random; do
        options=(--sources "$sources" --time 10)
        [ "$mode" = exact ] && options+=(--exact)
        # One source alone unbalances the rotor: no series, one measurement at rest, whose
        # counter is compared. Otherwise a series and its result file.
        case $sources in *0*) ;; *) options+=(--step 150) ;; esac
        for system in linux windows; do
            out=$work/$name/$mode-$system
            mkdir -p "$out"
            if [ "$system" = linux ]; then
                "$linux" "$work/$name/geometry" "${options[@]}" --id "$name" --out "$out" \
                    >"$out/output.txt"
            else
                # Wine's drive Z: is the Linux root.
                "$wine" "$windows" "Z:$work/$name/geometry" "${options[@]}" --id "$name" \
                    --out "Z:$out" | tr -d '\r' >"$out/output.txt"
            fi
        done
        result=Brk2017_$name.txt
        [ -f "$work/$name/$mode-linux/$result" ] || result=output.txt
        if ! cmp "$work/$name/$mode-linux/$result" "$work/$name/$mode-windows/$result"; then
            diff "$work/$name/$mode-linux/$result" "$work/$name/$mode-windows/$result" |
                head -20 >&2
            echo "compare-results: $name, $mode mode: Windows gives other bytes ($result)" >&2
            exit 1
        fi
        compared=$((compared + 1))
        echo "compare-results: $name, $mode mode: the same bytes" \
            "($result, $(wc -l <"$work/$name/$mode-linux/$result") lines)"
    done
done
echo "compare-results: $compared runs, byte-identical on Linux and Windows"
