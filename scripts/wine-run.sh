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

# .ready is written only after wineboot succeeded; a prefix that still has
# .booting was cut short and is made again from nothing. Any other folder
# is never removed. The first boot takes a few seconds; one that hangs is
# stopped after boot_limit seconds.
ready="$prefix/.ready"
booting="$prefix/.booting"
boot_limit=300
if [ ! -e "$ready" ]; then
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        if [ ! -e "$ready" ]; then
            log="$prefix.boot.log"
            if [ -e "$booting" ]; then
                rm -rf "$prefix"
            elif [ -e "$prefix" ] && [ -n "$(ls -A "$prefix")" ]; then
                echo "$0: $prefix is not a Wine prefix made here; not touching it" >&2
                exit 1
            fi
            mkdir -p "$prefix" && touch "$booting" || exit 1
            if ! DISPLAY= timeout "$boot_limit" "$wine" wineboot --init </dev/null >"$log" 2>&1; then
                tail -n 20 "$log" >&2
                echo "$0: wineboot failed in $prefix (log: $log)" >&2
                exit 1
            fi
            # The boot's processes (its desktop without a display among
            # them) end with its wineserver; the programs after it start
            # afresh, with their own environment's display.
            DISPLAY= timeout "$boot_limit" "$(dirname "$wine")/wineserver" -w
            touch "$ready" && rm -f "$booting"
        fi
    ) 9>"$prefix.lock" || exit 1
fi

[ "$1" = --boot ] && exit 0
exec "$wine" "$@"
