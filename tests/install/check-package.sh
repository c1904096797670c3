#!/usr/bin/env bash
# Builds the .deb from the build folder with CPack, lists what it holds and runs lintian on it.
#   check-package.sh BUILD_DIR WORK_DIR
# Exit 0 when the package holds the installed tree and lintian finds no error, 1 otherwise, 77
# (skipped, with the reason) when the tools are not installed. Lintian's warnings and notes are
# printed for the record.
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: check-package.sh BUILD_DIR WORK_DIR" >&2; exit 1; }
build=$1
work=$2

for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
    command -v "$tool" >/dev/null || {
        echo "package test SKIPPED: $tool is not installed (scripts/deps installs it)"
        exit 77
    }
done

rm -rf "$work"
mkdir -p "$work"
if ! cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
deb=$(ls "$work"/*.deb)
echo "built $(basename "$deb") ($(du -k "$deb" | cut -f1) kB)"

failed=0
fail() {
    echo "FAILED: $*"
    failed=1
}

dpkg-deb --contents "$deb" | awk '{ print $6 }' >"$work/contents.txt"
app_id=$(dpkg-deb --contents "$deb" | grep -o '[^/]*\.desktop$' | sed 's/\.desktop$//')
for path in ./usr/bin/orvex-sk ./usr/bin/orvexctl ./usr/bin/orvex-virtual-mouse \
    ./usr/share/orvex-sk/ORVEXSK_Skins/ ./usr/lib/udev/rules.d/70-orvex-sk.rules \
    "./usr/share/applications/$app_id.desktop" "./usr/share/metainfo/$app_id.metainfo.xml" \
    "./usr/share/icons/hicolor/48x48/apps/$app_id.png" \
    "./usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    ./usr/share/man/man1/orvexctl.1.gz ./usr/share/bash-completion/completions/orvexctl \
    ./usr/share/doc/orvex-sk/copyright; do
    grep -qxF "$path" "$work/contents.txt" || fail "the package lacks $path"
done
echo "contents: $(wc -l <"$work/contents.txt") entries, application id $app_id"

depends=$(dpkg-deb --field "$deb" Depends)
echo "depends: $depends"
for library in libqt6widgets6 libudev1 libc6; do
    grep -q "$library" <<<"$depends" || fail "Depends lacks $library"
done

dpkg-deb --control "$deb" "$work/control"
for script in postinst postrm; do
    [ -x "$work/control/$script" ] || fail "no executable $script"
    grep -q "udevadm trigger" "$work/control/$script" || fail "$script does not trigger udev"
done

# Lintian exits non-zero on an error tag, and when it could not check the package at all.
lintian_status=0
lintian --display-info --fail-on error "$deb" >"$work/lintian.txt" 2>&1 || lintian_status=$?
grep -E '^[EWIPX]: ' "$work/lintian.txt" | sort -u | sed 's/^/lintian: /' || true
if [ "$lintian_status" != 0 ] || grep -q '^E: ' "$work/lintian.txt"; then
    grep -vE '^[EWIPX]: |^running with root' "$work/lintian.txt" || true
    fail "lintian found errors (exit $lintian_status)"
fi
[ "$failed" = 0 ] && echo "package: OK"
exit "$failed"
