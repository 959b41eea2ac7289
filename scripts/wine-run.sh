#!/usr/bin/env bash
# wine-run.sh <wine prefix> <program.exe> [arguments...]
# wine-run.sh <wine prefix> --boot
# Runs a Windows program under Debian's wine64, quietly and without asking
# anything: the prefix is created on first use (under a lock, so parallel
# tests share one; --boot only creates it), Wine's debug channels are off,
# and the Mono and Gecko installers are never offered. The program's exit
# status is returned. The windows preset uses it as CMake's
# cross-compiling emulator, with the prefix inside the build folder.
set -u

if [ "$#" -lt 2 ]; then
    echo "usage: $0 <wine prefix> <program.exe> [arguments...]" >&2
    exit 2
fi

prefix="$1"
shift
case "$prefix" in
    /*) ;;
    *) prefix="$PWD/$prefix" ;;
esac

wine=${VANTOR_WINE:-/usr/lib/wine/wine64}
if [ ! -x "$wine" ]; then
    echo "$0: $wine not found (Debian package wine64)" >&2
    exit 127
fi

export WINEPREFIX="$prefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=d;mshtml=d;winemenubuilder.exe=d"

# The marker is written only after wineboot succeeded, so a boot that was
# cut short is done again next time.
ready="$prefix/.ready"
if [ ! -e "$ready" ]; then
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        if [ ! -e "$ready" ]; then
            log="$prefix.boot.log"
            if ! DISPLAY= "$wine" wineboot --init </dev/null >"$log" 2>&1; then
                echo "$0: wineboot failed; see $log" >&2
                exit 1
            fi
            touch "$ready"
        fi
    ) 9>"$prefix.lock" || exit 1
fi

[ "$1" = --boot ] && exit 0
exec "$wine" "$@"
