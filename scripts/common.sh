# Shared by run.sh and test.sh: installs what is missing and builds one tree.
# shellcheck shell=bash

TESSARIN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Installs every package of scripts/packages.txt that is not installed yet. A line "package:command" names a
# package that is only needed when the command is missing (a machine may have it from elsewhere, as Node.js with
# its own npm, which Debian's npm package would conflict with).
install_missing_packages() {
    local missing=()
    local pkg cmd
    while read -r pkg; do
        [[ -z "$pkg" || "$pkg" == \#* ]] && continue
        if [[ "$pkg" == *:* ]]; then
            cmd=${pkg#*:}
            pkg=${pkg%%:*}
            command -v "$cmd" >/dev/null 2>&1 && continue
        fi
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done <"$TESSARIN_ROOT/scripts/packages.txt"
    [[ ${#missing[@]} -eq 0 ]] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# build_tree DIR [extra cmake arguments...]: configures (once) and builds DIR.
build_tree() {
    local dir=$1
    shift
    cmake -S "$TESSARIN_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARIN_WERROR=ON "$@"
    cmake --build "$dir" --parallel "$(nproc)"
}
