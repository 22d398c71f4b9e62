#!/usr/bin/env bash
# Installs what is missing, builds Tessarin and starts one of its programs:
#   ./run.sh [FILE.acnx]      the maker
#   ./run.sh game             the game edition
#   ./run.sh cli ARGS...      the command-line tool
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"
install_missing_packages
build_tree "$TESSARIN_ROOT/build" >&2
bin="$TESSARIN_ROOT/build/bin"
case "${1:-}" in
game) shift; exec "$bin/tessarin5game" "$@" ;;
cli) shift; exec "$bin/tessarin5-cli" "$@" ;;
*) exec "$bin/tessarin5" "$@" ;;
esac
