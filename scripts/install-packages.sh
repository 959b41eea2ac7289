# Sourced by the demo and test scripts: install_missing_packages <list>...
# installs the Debian packages of the lists (one a line, # comments) that
# are missing. As root it installs them with apt-get and says which;
# otherwise it names them and fails.

install_missing_packages() {
    local wanted missing=()
    while read -r wanted; do
        wanted="${wanted%%#*}"
        wanted="${wanted//[[:space:]]/}"
        [ -n "$wanted" ] || continue
        if ! dpkg-query -W -f='${Status}' "$wanted" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$wanted")
        fi
    done < <(cat "$@")

    [ "${#missing[@]}" -eq 0 ] && return 0

    if [ "$(id -u)" -ne 0 ]; then
        echo "These Debian packages are missing; install them as root and run again:" >&2
        echo "  apt-get install ${missing[*]}" >&2
        return 1
    fi
    echo "Installing missing packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
