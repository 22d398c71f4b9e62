#!/usr/bin/env bash
# Installs what is missing, builds Tessarin twice (plain, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test in both trees.
#   ./test.sh            both trees
#   ./test.sh --quick    the plain tree only
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"
install_missing_packages

run_suite() {
    local dir=$1
    shift
    build_tree "$dir" "$@"
    ctest --test-dir "$dir" --output-on-failure --timeout 600 -j "$(nproc)"
}

run_suite "$TESSARIN_ROOT/build"
if [[ "${1:-}" != "--quick" ]]; then
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        LSAN_OPTIONS=suppressions="$TESSARIN_ROOT/tests/support/lsan.supp" \
        run_suite "$TESSARIN_ROOT/build-sanitize" -DTESSARIN_SANITIZE=ON -DTESSARIN_BENCH=OFF
fi
