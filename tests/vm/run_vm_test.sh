#!/usr/bin/env bash
# The real Linux HID path end to end: boots Debian's stock kernel (package linux-image-amd64,
# fetched with apt-get download and cached) under qemu in software emulation, with a busybox
# initramfs holding the hid, uhid and hid-generic modules, orvex-virtual-mouse and orvexctl with
# their shared libraries. vm_init.sh, the VM's /init, runs the steps and prints one line each.
#
#   run_vm_test.sh ORVEXCTL ORVEX_VIRTUAL_MOUSE HIDRAW_PROBE WORK_DIR
#
# Exit 0 when every step passed, 1 when one failed, 77 (skipped, with the reason printed) when
# qemu, busybox or the kernel cannot be had. The kernel is cached in $ORVEX_VM_CACHE, default
# ${XDG_CACHE_HOME:-~/.cache}/orvex-vm, so only the first run downloads it.
set -euo pipefail

readonly SKIP=77
readonly VM_TIMEOUT_SECONDS=${ORVEX_VM_TIMEOUT:-240}
here=$(cd "$(dirname "$0")" && pwd)

skip() {
    echo "vm_end_to_end SKIPPED: $*" | tee "$work/steps.txt"
    exit "$SKIP"
}

die() {
    echo "vm_end_to_end FAILED: $*" >&2
    exit 1
}

[ $# -eq 4 ] || die "usage: run_vm_test.sh ORVEXCTL ORVEX_VIRTUAL_MOUSE HIDRAW_PROBE WORK_DIR"
orvexctl=$(realpath "$1")
virtual_mouse=$(realpath "$2")
hidraw_probe=$(realpath "$3")
work=$4
# steps.txt is what scripts/test shows afterwards: the steps, or why they did not run.
mkdir -p "$work"
rm -f "$work/steps.txt"
cache=${ORVEX_VM_CACHE:-${XDG_CACHE_HOME:-${HOME:-/var/tmp}/.cache}/orvex-vm}

need_tool() {
    command -v "$1" >/dev/null || skip "$1 is not installed (package $2; scripts/deps installs it)"
}
need_tool qemu-system-x86_64 qemu-system-x86
need_tool cpio cpio
need_tool apt-get apt
need_tool dpkg-deb dpkg
need_tool flock util-linux
busybox=$(command -v busybox || true)
[ -n "$busybox" ] || skip "busybox is not installed (package busybox-static; scripts/deps installs it)"

# The versioned kernel package linux-image-amd64 currently points at, or nothing.
current_kernel_package() {
    apt-cache depends linux-image-amd64 2>/dev/null |
        awk '$1 == "Depends:" && $2 ~ /^linux-image-[0-9]/ { print $2; exit }'
}

# Prints the directory holding vmlinuz and modules/ of the current linux-image-amd64, fetching
# and unpacking it into the cache when it is not there yet.
kernel_dir() {
    mkdir -p "$cache"
    exec 9>"$cache/.lock"
    flock 9
    local package version dir
    package=$(current_kernel_package)
    if [ -z "$package" ] && [ "$(id -u)" = 0 ] && ! ls -d "$cache"/linux-image-*/ >/dev/null 2>&1; then
        # A fresh machine whose packages were all there already may never have read the lists.
        echo "vm: no package lists know linux-image-amd64; running apt-get update" >&2
        apt-get update -qq >&2 || true
        package=$(current_kernel_package)
    fi
    if [ -n "$package" ]; then
        version=$(apt-cache show --no-all-versions "$package" 2>/dev/null |
            awk '$1 == "Version:" { print $2; exit }')
        dir="$cache/$package-$version"
        if [ ! -f "$dir/ready" ]; then
            fetch_kernel "$package" "$version" "$dir" || dir=""
        fi
    fi
    if [ -z "${dir:-}" ] || [ ! -f "$dir/ready" ]; then
        # Offline or without package lists: a kernel fetched earlier still does.
        dir=$(ls -d "$cache"/linux-image-*/ 2>/dev/null | sort -V | tail -n 1)
        dir=${dir%/}
        [ -n "$dir" ] && [ -f "$dir/ready" ] ||
            return 1
        echo "vm: linux-image-amd64 could not be resolved or fetched; using cached $(basename "$dir")" >&2
    fi
    exec 9>&-
    echo "$dir"
}

fetch_kernel() {
    local package=$1 version=$2 dir=$3 download
    echo "vm: fetching $package $version (once; cached in $cache)" >&2
    download=$(mktemp -d "$cache/download.XXXXXX")
    # apt drops privileges to _apt for downloads; let it write there.
    chmod 777 "$download"
    if ! (cd "$download" && apt-get download -q "$package=$version" >&2); then
        rm -rf "$download"
        return 1
    fi
    mkdir -p "$download/tree"
    dpkg-deb --fsys-tarfile "$download"/*.deb |
        tar -x -C "$download/tree" --wildcards './boot/vmlinuz-*' \
            '*/kernel/drivers/hid/hid.ko*' '*/kernel/drivers/hid/uhid.ko*' \
            '*/kernel/drivers/hid/hid-generic.ko*'
    rm -rf "$dir"
    mkdir -p "$dir/modules"
    cp "$download"/tree/boot/vmlinuz-* "$dir/vmlinuz"
    local module name
    while IFS= read -r module; do
        name=$(basename "$module")
        # Newer kernels ship compressed modules; busybox insmod wants them plain.
        case "$name" in
            *.ko) cp "$module" "$dir/modules/$name" ;;
            *.ko.xz) xz -dc "$module" >"$dir/modules/${name%.xz}" ;;
            *.ko.zst) zstd -qdc "$module" >"$dir/modules/${name%.zst}" ;;
            *.ko.gz) gzip -dc "$module" >"$dir/modules/${name%.gz}" ;;
            *) echo "vm: unknown module format $name" >&2 ;;
        esac
    done < <(find "$download/tree" -name '*.ko*')
    rm -rf "$download"
    for name in hid uhid hid-generic; do
        [ -s "$dir/modules/$name.ko" ] || {
            echo "vm: $package has no $name module" >&2
            return 1
        }
    done
    # Older kernels of the cache are not needed any more.
    find "$cache" -mindepth 1 -maxdepth 1 -type d -name 'linux-image-*' ! -path "$dir" \
        -exec rm -rf {} +
    touch "$dir/ready"
}

# copy_program ROOT FILE DEST: FILE without its debug sections, plus every shared library it
# loads (at the same path, so the loader finds them).
copy_program() {
    local root=$1 file=$2 dest=$3 library
    mkdir -p "$root$(dirname "$dest")"
    objcopy --strip-debug "$file" "$root$dest" 2>/dev/null || cp "$file" "$root$dest"
    for library in $(ldd "$file" 2>/dev/null | grep -o '/[^ ]*'); do
        if [ ! -e "$root$library" ]; then
            mkdir -p "$root$(dirname "$library")"
            cp -L "$library" "$root$library"
        fi
    done
}

build_initramfs() {
    local kernel=$1 root="$work/root" slot
    rm -rf "$root"
    mkdir -p "$root/bin" "$root/modules" "$root/cfg/Profiles" "$root/expected"
    copy_program "$root" "$busybox" /bin/busybox
    for applet in $("$busybox" --list); do
        [ "$applet" = busybox ] || ln -sf busybox "$root/bin/$applet"
    done
    # util-linux's flock takes the state file's lock the way orvexctl does; busybox has none.
    rm -f "$root/bin/flock"
    copy_program "$root" "$(command -v flock)" /bin/flock
    copy_program "$root" "$orvexctl" /usr/local/bin/orvexctl
    copy_program "$root" "$virtual_mouse" /usr/local/bin/orvex-virtual-mouse
    copy_program "$root" "$hidraw_probe" /usr/local/bin/orvex_hidraw_probe
    cp "$kernel"/modules/*.ko "$root/modules/"
    # The project's udev rule where the package puts it, for orvexctl doctor's rule check.
    mkdir -p "$root/usr/lib/udev/rules.d"
    cp "$here/../../udev/70-orvex-sk.rules" "$root/usr/lib/udev/rules.d/"

    # The five slot files and the images BuildDeviceImage makes of them, for the VM to compare
    # with what the virtual mouse received.
    for slot in 1 2 3 4 5; do
        "$orvexctl" profile from-json "$here/profiles/slot$slot.json" \
            "$root/cfg/Profiles/Default$slot.profile"
        "$orvexctl" image "$root/cfg/Profiles/Default$slot.profile" --slot "$slot" \
            >"$root/expected/slot$slot.img"
    done
    cp "$here/vm_init.sh" "$root/init"
    chmod 755 "$root/init"
    (cd "$root" && find . | cpio -o -H newc --quiet) >"$work/initramfs.cpio"
}

kernel=$(kernel_dir) ||
    skip "the linux-image-amd64 package could not be fetched (no package lists or no network; run apt-get update)"
build_initramfs "$kernel"

console="$work/console.log"
started=$(date +%s)
set +e
# No KVM: software emulation works on every machine, containers and CI included.
timeout "$VM_TIMEOUT_SECONDS" qemu-system-x86_64 \
    -accel tcg -m 512 -smp 1 -nodefaults -no-user-config -display none -no-reboot \
    -serial "file:$console" -kernel "$kernel/vmlinuz" -initrd "$work/initramfs.cpio" \
    -append "console=ttyS0 panic=-1 quiet loglevel=3" </dev/null
qemu_exit=$?
set -e
elapsed=$(($(date +%s) - started))

# The serial console ends lines with CR LF.
tr -d '\r' <"$console" >"$work/console.txt"
{
    grep -E '^(vm:|STEP |RESULT:)' "$work/console.txt"
    echo "vm: $(basename "$kernel"), ${elapsed} s in qemu"
} | tee "$work/steps.txt"
if grep -qx 'RESULT: PASS' "$work/console.txt"; then
    exit 0
fi
if [ "$qemu_exit" = 124 ]; then
    echo "vm: qemu did not finish within ${VM_TIMEOUT_SECONDS} s"
fi
echo "--- console (last 80 lines)"
tail -n 80 "$work/console.txt"
exit 1
