#!/bin/sh
# /init of the test VM: loads the HID modules, plugs in orvex-virtual-mouse through /dev/uhid and
# drives it with the real orvexctl (hidraw backend, no --simulate). Every step prints one
# "STEP name: ok" or "STEP name: FAILED - why" line; the last line is "RESULT: PASS" or
# "RESULT: FAIL". The first failure ends the run with diagnostics.

PATH=/bin:/usr/local/bin
export PATH
mkdir -p /proc /sys /dev /tmp /run
mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev
mount -t tmpfs tmpfs /tmp

STATE=/tmp/mouse.state
VMOUSE_LOG=/tmp/virtual-mouse.log
VMOUSE_PID=
MONITOR_PID=

power_off() {
    sync
    poweroff -f
    echo o > /proc/sysrq-trigger
}

diagnostics() {
    echo "--- orvex-virtual-mouse log"
    cat "$VMOUSE_LOG" 2>/dev/null
    echo "--- last command's error output"
    cat /tmp/err 2>/dev/null
    echo "--- hidraw nodes"
    ls -l /sys/class/hidraw/ 2>&1
    echo "--- kernel messages about HID"
    dmesg | grep -i -E "hid|uhid" | tail -n 20
}

# Seconds since boot, so slow steps show.
uptime_now() {
    cut -d' ' -f1 /proc/uptime
}

pass() {
    echo "STEP $1: ok${2:+ - $2} [$(uptime_now) s]"
}

fail() {
    echo "STEP $1: FAILED - $2"
    diagnostics
    echo "RESULT: FAIL"
    power_off
}

# run CMD...: runs it with its output in $out, its error output in /tmp/err and exit code in $rc.
run() {
    out=$("$@" 2>/tmp/err)
    rc=$?
}

# expect STEP EXPECTED_OUTPUT CMD...: the command must succeed and print exactly EXPECTED_OUTPUT.
expect() {
    step=$1
    expected=$2
    shift 2
    run "$@"
    [ "$rc" = 0 ] || fail "$step" "'$*' exited $rc: $(cat /tmp/err)"
    [ "$out" = "$expected" ] || fail "$step" "'$*' printed '$out', expected '$expected'"
}

# wait_until TENTHS CMD...: retries CMD (quietly) every 0.1 s; false when it never succeeded.
wait_until() {
    tries=$1
    shift
    while [ "$tries" -gt 0 ]; do
        if "$@" >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.1
        tries=$((tries - 1))
    done
    return 1
}

hidraw_count() {
    ls /sys/class/hidraw 2>/dev/null | wc -l
}

no_hidraw_left() {
    [ "$(hidraw_count)" = 0 ]
}

state_has() {
    grep -q -x "$1" "$STATE"
}

# The uevent of a hid device holds its ids as HID_ID=bus:vendor:product.
mouse_node_ids() {
    for node in /sys/class/hidraw/hidraw*; do
        echo "$(basename "$node") $(grep HID_ID= "$node/device/uevent" | cut -d= -f2) \
$(xxd -p "$node/device/report_descriptor" | tr -d '\n' | cut -c1-6)"
    done
}

# The hidraw node of the command interface (its descriptor opens usage page 0xFF01).
command_node() {
    for node in /sys/class/hidraw/hidraw*; do
        if [ "$(xxd -p "$node/device/report_descriptor" | tr -d '\n' | cut -c1-6)" = 0601ff ]; then
            echo "/dev/$(basename "$node")"
            return
        fi
    done
}

# arm_write_fault CLASS once|always: the mouse's next (or every) write fails with CLASS. The state
# file is plain text; its lock keeps the edit from racing the virtual mouse.
arm_write_fault() {
    flock "$STATE.lock" sed -i -e "s/^fault-write-error .*/fault-write-error $1/" \
        -e "s/^fault-write-repeat .*/fault-write-repeat $2/" "$STATE"
}

refused_writes() {
    grep -c "set-report 0x60 .* refused" "$VMOUSE_LOG"
}

step_modules() {
    for module in hid uhid hid-generic; do
        insmod "/modules/$module.ko" 2>/tmp/err || fail modules "insmod $module: $(cat /tmp/err)"
    done
    wait_until 20 test -c /dev/uhid || fail modules "no /dev/uhid after loading uhid"
    pass modules "hid, uhid and hid-generic loaded, /dev/uhid present"
}

step_plug_in() {
    orvex-virtual-mouse --state "$STATE" >"$VMOUSE_LOG" 2>&1 &
    VMOUSE_PID=$!
    wait_until 100 orvexctl info || fail plug-in "orvexctl never found the virtual mouse"
    nodes=$(mouse_node_ids)
    # The pointer interface comes first (usage page 1), then the command interface (0xFF01).
    first=$(echo "$nodes" | sed -n 1p)
    second=$(echo "$nodes" | sed -n 2p)
    [ "$(hidraw_count)" = 2 ] || fail plug-in "expected 2 hidraw nodes, found: $nodes"
    case "$first" in
        "hidraw0 0003:00002A3C:00003B19 050109") ;;
        *) fail plug-in "first node is not the pointer interface: $first" ;;
    esac
    case "$second" in
        "hidraw1 0003:00002A3C:00003B19 0601ff") ;;
        *) fail plug-in "second node is not the command interface: $second" ;;
    esac
    pass plug-in "hidraw0 = pointer interface, hidraw1 = command interface, both 2A3C:3B19 on USB"
}

step_info() {
    expect info "firmware: 1.22
active profile: 1" orvexctl info
    pass info "firmware 1.22, active profile 1"
}

# As root every check passes: the kernel's hidraw, the mouse's two nodes, the vendor collection on
# the second, access, and the rule in /usr/lib/udev/rules.d.
step_doctor() {
    run orvexctl doctor
    [ "$rc" = 0 ] || fail doctor "exited $rc: $out"
    [ "$(echo "$out" | grep -c '^OK ')" = 5 ] || fail doctor "not five OK lines: $out"
    run orvexctl doctor --json
    [ "$rc" = 0 ] || fail doctor "--json exited $rc"
    case "$out" in
        *'"usable": true'*'"node": "/dev/hidraw1"'*) ;;
        *) fail doctor "--json printed $out" ;;
    esac
    pass doctor "$(echo "$out" | grep -c '"status": "ok"') checks OK, command node /dev/hidraw1"
}

step_apply() {
    expect apply "slot 1: done
slot 2: done
slot 3: done
slot 4: done
slot 5: done" orvexctl --config-dir /cfg apply --active 2
    for slot in 1 2 3 4 5; do
        orvexctl --simulate="$STATE" sim image "$slot" >"/tmp/image$slot" 2>/tmp/err ||
            fail apply "sim image $slot: $(cat /tmp/err)"
        cmp "/tmp/image$slot" "/expected/slot$slot.img" >/tmp/err 2>&1 ||
            fail apply "slot $slot's image differs from BuildDeviceImage's: $(cat /tmp/err)"
    done
    pass apply "five slots uploaded; the mouse holds exactly the five BuildDeviceImage images"
}

# Two programs on one mouse: an apply and a loop of info at once. Each exchange holds the node's
# lock, so every info reads its own reply or fails; none reports another program's as its own.
# A waiting info gets its turn between two of apply's uploads (apply's log counts them).
step_apply_beside_info() {
    ORVEX_DEBUG=1 orvexctl --config-dir /cfg apply --active 2 >/tmp/apply.out 2>/tmp/apply.err &
    apply_pid=$!
    infos=0
    while kill -0 "$apply_pid" 2>/dev/null; do
        if run orvexctl info && [ "$rc" = 0 ]; then
            case "$out" in
                "firmware: 1.22"*) infos=$((infos + 1)) ;;
                *) fail apply-beside-info "info beside apply printed '$out' and succeeded" ;;
            esac
        fi
    done
    wait "$apply_pid" || fail apply-beside-info "apply beside info failed: $(tail -n 5 /tmp/apply.err)"
    for slot in 1 2 3 4 5; do
        orvexctl --simulate="$STATE" sim image "$slot" >"/tmp/image$slot" 2>/tmp/err ||
            fail apply-beside-info "sim image $slot: $(cat /tmp/err)"
        cmp "/tmp/image$slot" "/expected/slot$slot.img" >/tmp/err 2>&1 ||
            fail apply-beside-info "slot $slot's image differs: $(cat /tmp/err)"
    done
    [ "$infos" -gt 0 ] || fail apply-beside-info "no info got through while apply ran"
    # How often a waiting info got its turn depends on how the two programs' timing meets (a slow
    # machine spends apply's time between its exchanges), so it is reported, not required.
    turns=$(grep -c "it goes first" /tmp/apply.err)
    pass apply-beside-info "$infos info runs read firmware 1.22 while apply ran; apply let a \
waiting info go first $turns times; five images exact"
}

step_active() {
    expect active "2" orvexctl active
    expect active "" orvexctl active 4
    expect active "4" orvexctl active
    state_has "active-profile 3" || fail active "the mouse's state does not say profile 4"
    pass active "2 after apply --active 2, then 4"
}

step_lod() {
    expect lod "lift distance 12 tested" orvexctl lod test 12
    expect lod "lift distance 14 saved" orvexctl lod save 14
    { state_has "lift-tested 12" && state_has "lift-saved 14"; } ||
        fail lod "the mouse did not keep the lift distances"
    pass lod "tested 12, saved 14"
}

step_surface() {
    run orvexctl surface --no-wait
    [ "$rc" = 0 ] || fail surface "exited $rc: $(cat /tmp/err)"
    case "$out" in
        "quality: 200"*"level: "*) ;;
        *) fail surface "printed '$out'" ;;
    esac
    state_has "surface-started 1" || fail surface "the analysis was not started"
    pass surface "$(echo "$out" | tr '\n' ' ')"
}

step_busy_streak() {
    orvexctl --simulate="$STATE" sim set busy 2 2>/tmp/err || fail busy-streak "sim set busy failed"
    expect busy-streak "firmware: 1.22
active profile: 4" orvexctl info
    state_has "fault-busy-reads 0" || fail busy-streak "the busy answers were not all read"
    pass busy-streak "two busy status answers, info still completed"
}

# Every error reply of a uhid device reaches the ioctl as EIO, the write-fault class, which the
# link retries once.
step_failed_write() {
    arm_write_fault write-fault once
    state_has "fault-write-error write-fault" || fail failed-write "could not arm the fault"
    expect failed-write "4" orvexctl active
    state_has "fault-write-error none" || fail failed-write "the armed fault never fired"
    grep -q "set-report 0x60 of 64 bytes refused: write-fault" "$VMOUSE_LOG" ||
        fail failed-write "the virtual mouse did not refuse the write"
    pass failed-write "one write refused (EIO), retried at once, the command completed"
}

# What the kernel makes of a refused report, seen by a raw ioctl: EIO, whatever the firmware's
# class, so the link's write-fault class and its single retry.
step_errno() {
    node=$(command_node)
    expect errno "ok 64" orvex_hidraw_probe "$node" get 0x60 128
    arm_write_fault not-ready always
    expect errno "error EIO write-fault" orvex_hidraw_probe "$node" set 0x60 64
    before=$(refused_writes)
    run orvexctl active 1
    [ "$rc" = 3 ] || fail errno "active 1 with every write refused exited $rc, expected 3"
    refused=$(($(refused_writes) - before))
    [ "$refused" = 2 ] || fail errno "expected the write and one retry, the mouse refused $refused"
    arm_write_fault none once
    expect errno "4" orvexctl active
    pass errno "64 of 128 bytes read; a refused write is EIO (write-fault): retried once, exit 3"
}

# A mouse that does not answer at all: the kernel gives up after its own timeout, again with EIO.
step_stall() {
    node=$(command_node)
    kill -STOP "$VMOUSE_PID"
    started=$(date +%s)
    run orvex_hidraw_probe "$node" get 0x60 64
    waited=$(($(date +%s) - started))
    kill -CONT "$VMOUSE_PID"
    [ "$out" = "error EIO write-fault" ] || fail stall "a read nobody answered gave '$out'"
    [ "$waited" -ge 4 ] || fail stall "the read gave up after $waited s"
    expect stall "4" orvexctl active
    pass stall "an unanswered read fails with EIO after ${waited} s; the mouse answers again after"
}

step_unplug() {
    orvexctl monitor --count 4 --timeout 60 >/tmp/monitor.out 2>/tmp/monitor.err &
    MONITOR_PID=$!
    wait_until 50 grep -q listening /tmp/monitor.err || fail unplug "the monitor did not start"
    expect unplug "4" orvexctl active
    orvexctl --simulate="$STATE" sim set unplugged 1 2>/tmp/err || fail unplug "sim set failed"
    wait_until 50 no_hidraw_left || fail unplug "the hidraw nodes stayed"
    run orvexctl info
    [ "$rc" = 2 ] || fail unplug "info after the unplug exited $rc, expected 2"
    [ "$(cat /tmp/err)" = "ORVEX SK mouse not found" ] ||
        fail unplug "info after the unplug said '$(cat /tmp/err)'"
    run orvexctl doctor
    [ "$rc" = 2 ] || fail unplug "doctor after the unplug exited $rc, expected 2: $out"
    pass unplug "active ok, unplugged, then info exited 2 with 'ORVEX SK mouse not found', doctor 2"
}

step_replug() {
    orvexctl --simulate="$STATE" sim set unplugged 0 2>/tmp/err || fail replug "sim set failed"
    wait_until 100 orvexctl info || fail replug "the mouse was not found again"
    expect replug "4" orvexctl active
    pass replug "found again, its state kept (active profile 4)"
}

step_monitor() {
    # It ends by itself after four events, or after its timeout.
    wait "$MONITOR_PID"
    rc=$?
    [ "$rc" = 0 ] || fail monitor "exited $rc: $(cat /tmp/monitor.err)"
    events=$(cut -d' ' -f1 /tmp/monitor.out | tr '\n' ' ')
    [ "$events" = "removal removal arrival arrival " ] ||
        fail monitor "saw '$(cat /tmp/monitor.out)'"
    grep -q "^removal /dev/hidraw[0-9]*$" /tmp/monitor.out || fail monitor "no node named"
    pass monitor "$(tr '\n' ';' </tmp/monitor.out)"
}

step_signal_toggle() {
    kill -USR1 "$VMOUSE_PID"
    wait_until 50 no_hidraw_left || fail sigusr1 "SIGUSR1 did not unplug the mouse"
    run orvexctl info
    [ "$rc" = 2 ] || fail sigusr1 "info while unplugged exited $rc, expected 2"
    kill -USR1 "$VMOUSE_PID"
    wait_until 100 orvexctl info || fail sigusr1 "SIGUSR1 did not plug the mouse in again"
    pass sigusr1 "unplugged and plugged in again"
}

step_stop() {
    kill -TERM "$VMOUSE_PID"
    wait "$VMOUSE_PID"
    rc=$?
    [ "$rc" = 0 ] || fail stop "orvex-virtual-mouse exited $rc"
    wait_until 50 no_hidraw_left || fail stop "the hidraw nodes stayed after the stop"
    pass stop "SIGTERM removed both devices, exit 0"
}

echo "vm: $(uname -r), $(nproc) cpu"
step_modules
step_plug_in
step_info
step_doctor
step_apply
step_apply_beside_info
step_active
step_lod
step_surface
step_busy_streak
step_failed_write
step_errno
step_stall
step_unplug
step_replug
step_monitor
step_signal_toggle
step_stop
echo "--- orvex-virtual-mouse log"
cat "$VMOUSE_LOG"
echo "RESULT: PASS"
power_off
