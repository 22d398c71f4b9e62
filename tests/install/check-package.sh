#!/usr/bin/env bash
# Builds the Debian package in BUILD_DIR, installs it into an empty dpkg root, lists its files and runs lintian.
# Lintian's errors fail the check; its warnings are printed.
#   check-package.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/tessarin_*.deb)
echo "package: $(basename "$deb")"
dpkg-deb --field "$deb" Package Version Depends
root="$work/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers"
touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
dpkg --root="$root" --force-depends --force-script-chrootless --log=/dev/null -i "$deb" >/dev/null
listed=$(dpkg --root="$root" -L tessarin)
for file in /usr/bin/tessarin5 /usr/bin/tessarin5game /usr/bin/tessarin5-cli /usr/libexec/tessarin5/tessarin5-cli-files \
    /usr/share/applications/org.example.tessarin.maker.desktop /usr/share/mime/packages/org.example.tessarin.xml \
    /usr/share/man/man1/tessarin5-cli.1.gz /usr/share/doc/tessarin/copyright; do
    grep -qx "$file" <<<"$listed" || { echo "missing from the package: $file"; exit 1; }
    [[ -e "$root$file" ]] || { echo "not installed: $file"; exit 1; }
done
echo "$listed" | wc -l | xargs echo "files listed:"
"$root/usr/bin/tessarin5-cli" --version
# A command on puzzle files goes through the packaged helper.
printf 'Hello world' | "$root/usr/bin/tessarin5-cli" add "$work/hello.acnx" cipher --seed 1
"$root/usr/bin/tessarin5-cli" show "$work/hello.acnx" | grep -q '"PLAIN": "Hello world"'
lintian --no-tag-display-limit "$deb" >"$work/lintian.txt" 2>&1 || true
cat "$work/lintian.txt"
if grep -q '^E:' "$work/lintian.txt"; then
    echo "lintian reports errors"
    exit 1
fi
echo "package check passed"
