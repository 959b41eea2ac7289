#!/usr/bin/env bash
# Runs install-reporter on generated logs of 10 MB and 100 MB, 8-bit and
# UTF-16, against a loopback relay that only counts what it receives
# (smtp_sink), and prints the wall time from start to exit and the peak
# resident memory (/usr/bin/time -v) beside the log size. In the same run
# curl uploads the very mail that the program sent to the same relay: the
# floor of merely sending those bytes.
#
#   bash bench/install_reporter_bench.sh
#
# builds the program for the relay 127.0.0.1:$BENCH_RELAY_PORT (default
# 2587) in build/bench-reporter. PROGRAM and SINK name other builds of the
# program and the sink instead; SIZES_MB the log sizes (default "10 100"),
# RUNS the runs of each (default 5): the wall times are their medians
# (taken with $EPOCHREALTIME around each run), the peak their largest.
set -eu
cd "$(dirname "$0")/.."

port=${BENCH_RELAY_PORT:-2587}
sizes=${SIZES_MB:-10 100}
runs=${RUNS:-5}
for tool in /usr/bin/time curl; do
    if ! command -v "$tool" >/dev/null; then
        echo "needs $tool (Debian packages time and curl)" >&2
        exit 1
    fi
done

if [ -z "${PROGRAM:-}" ] || [ -z "${SINK:-}" ]; then
    build=build/bench-reporter
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTOR_BUILD_TESTS=OFF \
        -DREPORTER_RELAY_HOST=127.0.0.1 -DREPORTER_RELAY_PORT="$port" \
        -DREPORTER_DOWNLOAD_HOST=localhost >/dev/null
    cmake --build "$build" -j2 --target install-reporter smtp_sink >/dev/null
    PROGRAM=${PROGRAM:-$PWD/$build/app/install-reporter}
    SINK=${SINK:-$PWD/$build/bench/smtp_sink}
fi

work=$(mktemp -d)
sink_pid=
cleanup() {
    if [ -n "$sink_pid" ]; then
        kill "$sink_pid" 2>/dev/null || true
        wait "$sink_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# make_log <file> <8bit|utf16> <bytes>
make_log() {
    /usr/bin/python3 - "$@" <<'PY'
import sys
path, kind, size = sys.argv[1], sys.argv[2], int(sys.argv[3])
head = "ProductVersion = 6.2.8\r\nAction: dialog SetupError: Error 1935. Failed\r\n"
line = "MSI (c) (A4:B8) [12:00:00:123]: Doing action: CostFinalize. 1/2/3 ok\r\n"
if kind == "utf16":
    unit = 2
    text = "\ufeff" + head
else:
    unit = 1
    text = head
count = (size // unit - len(text)) // len(line) + 1
data = (text + line * count).encode("utf-16-le" if unit == 2 else "ascii")[:size]
open(path, "wb").write(data)
PY
}

# peak resident memory in MB (10^6 bytes, as the log sizes) of a report
peak_mb() {
    awk -F': ' '/Maximum resident set size/ { printf "%.1f", $2 * 1024 / 1e6 }' "$1"
}

# seconds between two $EPOCHREALTIME readings
seconds_between() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'
}

# the median of the numbers given
median() {
    printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

printf '%-6s %8s %10s %10s %8s %10s %8s\n' log "size MB" "wall s" "peak MB" "peak/x" "curl s" "wall/x"
for size_mb in $sizes; do
    for kind in 8bit utf16; do
        run="$work/$kind-$size_mb"
        mkdir -p "$run"
        bytes=$((size_mb * 1000 * 1000))
        make_log "$run/install.txt" "$kind" "$bytes"

        "$SINK" "$port" "$run/mail.eml" >"$run/sink.out" &
        sink_pid=$!
        sleep 0.3

        walls=()
        curl_walls=()
        peak=0
        for ((round = 1; round <= runs; round++)); do
            start=$EPOCHREALTIME
            (cd "$run" && echo y | /usr/bin/time -v "$PROGRAM" 1603 >"$run/program.out" 2>"$run/program.time")
            walls+=("$(seconds_between "$start" "$EPOCHREALTIME")")
            if ! grep -q "Report submitted" "$run/program.out"; then
                echo "the report was not delivered:" >&2
                cat "$run/program.out" >&2
                exit 1
            fi
            peak=$(awk -v a="$peak" -v b="$(peak_mb "$run/program.time")" 'BEGIN { print (b > a ? b : a) }')
            # The sink writes each mail it takes into mail.eml: upload a copy.
            mv "$run/mail.eml" "$run/sent.eml"
            start=$EPOCHREALTIME
            curl -sS --url "smtp://127.0.0.1:$port" --mail-from "" \
                --mail-rcpt support@example.com --upload-file "$run/sent.eml"
            curl_walls+=("$(seconds_between "$start" "$EPOCHREALTIME")")
            if [ "$(tail -n 1 "$run/sink.out")" != "$(head -n 1 "$run/sink.out")" ]; then
                echo "curl's upload differs in size from the program's mail" >&2
                exit 1
            fi
        done

        sleep 0.2
        kill "$sink_pid"
        wait "$sink_pid" 2>/dev/null || true
        sink_pid=

        wall=$(median "${walls[@]}")
        curl_wall=$(median "${curl_walls[@]}")
        awk -v k="$kind" -v s="$bytes" -v w="$wall" -v p="$peak" -v c="$curl_wall" 'BEGIN {
            mb = s / 1e6
            printf "%-6s %8.0f %10.3f %10.1f %8.2f %10.3f %8.2f\n", k, mb, w, p, p / mb,
                   c, (c > 0 ? w / c : 0) }'
        rm -f "$run/install.txt" "$run/mail.eml" "$run/sent.eml"
    done
done
echo "Targets for the 100 MB logs: peak/x (peak memory over log size) at most 5, wall/x (wall"
echo "time over curl's upload of the same mail) at most 4."
