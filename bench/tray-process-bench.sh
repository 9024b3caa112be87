#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What kelvane costs on a desktop, beside what a user would otherwise run: a
# bare Qt tray program that redraws a 22 px icon once a second, and KTeaTime
# (Debian's kteatime, `kteatime --time 1500`). Measured for each: resident and
# proportional memory, CPU time and context switches per second (all threads),
# and the ratios to the bare program and to KTeaTime; kelvane with a countdown
# running in the full tray display in each look in turn, and idle; its memory
# after one minute and after a long run; the time from start to its tray icon
# shown; the time from a left click on the icon to its popover painted
# (POPOVER_CLICKS openings, 11 by default).
#
#   bench/tray-process-bench.sh [seconds=60] [build-dir=build] [long-seconds=600]
#
# With ONLY_STARTUP set, only the start-up and popover figures are taken.
#
# Runs on a private X server (Xvfb) with openbox and trayer, a private session
# bus and a temporary home; nothing of the user's is read or written. With
# KEEP_BENCH_DIR set, that home and the programs' logs are kept. Without
# kteatime installed (apt install kteatime) its column is left out.
set -euo pipefail

seconds=${1:-60}
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${2:-$here/../build}" && pwd)
long_seconds=${3:-600}
kelvane=$build/Kelvane/kelvane
bare=$build/bench/bare-tray
popover_timer=$build/bench/popover-paint-timer

for tool in Xvfb dbus-daemon openbox trayer xdotool sqlite3; do
  command -v "$tool" >/dev/null || { echo "not installed: $tool" >&2; exit 2; }
done
for program in "$kelvane" "$bare" "$popover_timer"; do
  [ -x "$program" ] || { echo "not built: $program" >&2; exit 2; }
done
teatime=$(command -v kteatime || true)
if [ -z "$teatime" ]; then
  echo "kteatime is not installed (apt install kteatime): measuring without it" >&2
fi

root=$(mktemp -d)
groups=()
cleanup() {
  # Every service was started as the leader of its own process group.
  for ((i = ${#groups[@]} - 1; i >= 0; i--)); do
    kill -TERM -- "-${groups[i]}" 2>/dev/null || true
  done
  sleep 0.3
  for group in "${groups[@]}"; do
    kill -KILL -- "-$group" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  if [ -n "${KEEP_BENCH_DIR:-}" ]; then echo "kept $root" >&2; else rm -rf "$root"; fi
}
trap cleanup EXIT

mkdir -p "$root"/{home,config,data,cache,state,runtime,logs}
chmod 700 "$root/runtime"
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS XDG_CURRENT_DESKTOP SESSION_MANAGER XAUTHORITY QT_QPA_PLATFORMTHEME
export HOME=$root/home XDG_CONFIG_HOME=$root/config XDG_DATA_HOME=$root/data XDG_CACHE_HOME=$root/cache \
  XDG_STATE_HOME=$root/state XDG_RUNTIME_DIR=$root/runtime QT_QPA_PLATFORM=xcb

# start <name> <command...>: in a group of its own, its output in the logs.
start() {
  local name=$1
  shift
  setsid "$@" >"$root/logs/$name.out" 2>"$root/logs/$name.log" &
  groups+=("$!")
}

wait_for() {
  local what=$1
  shift
  for _ in $(seq 100); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  echo "$what did not come up" >&2
  exit 1
}

start xvfb Xvfb -displayfd 1 -screen 0 1280x800x24 -nolisten tcp
wait_for "Xvfb" test -s "$root/logs/xvfb.out"
export DISPLAY=:$(head -n1 "$root/logs/xvfb.out")

cat >"$root/bus.conf" <<CONF
<busconfig>
  <type>session</type>
  <listen>unix:dir=$root/runtime</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*"/>
    <allow receive_sender="*"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
start dbus dbus-daemon --nofork --print-address --config-file="$root/bus.conf"
wait_for "dbus-daemon" test -s "$root/logs/dbus.out"
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$root/logs/dbus.out")

start openbox openbox --sm-disable
wait_for "openbox" xprop -root _NET_SUPPORTING_WM_CHECK
start trayer trayer --edge top --align right --widthtype request --height 24 --SetDockType true
wait_for "trayer" xdotool search --class trayer
sleep 1 # the tray selection is taken just after the window shows

# CPU time from the scheduler's own count (nanoseconds) of every thread: the
# clock ticks of /proc/<pid>/stat are too coarse for a program that runs a
# millisecond a second.
cpu_ms() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { printf "%.1f", n / 1e6 }'; }
switches() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^(non)?voluntary_ctxt_switches:/ { n += $2 } END { print n + 0 }'; }
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
pss_kb() { awk '/^Pss:/ { print $2 }' "/proc/$1/smaps_rollup"; }
threads() { ls "/proc/$1/task" | wc -l; }
now_ms() { date +%s%3N; }

store=$XDG_CONFIG_HOME/group.com.morrowfen.Kelvane.sqlite
# set_key <key> <string>: a setting written as the program writes it, while
# the program is not running.
set_key() {
  sqlite3 "$store" "INSERT OR REPLACE INTO entries (key, type, value) VALUES ('$1', 'string', '$2')"
}

# launch <name> <command...>: starts it, waits for its icon in trayer, and
# sets `pid` and `shown_ms` (from the start to the icon viewable).
launch() {
  local name=$1 class=$2
  shift 2
  local started
  started=$(now_ms)
  start "$name" "$@"
  pid=${groups[-1]}
  for _ in $(seq 1000); do
    if xdotool search --onlyvisible --classname "$class" >/dev/null 2>&1; then
      shown_ms=$(($(now_ms) - started))
      return 0
    fi
    sleep 0.005
  done
  echo "$name's tray icon did not show" >&2
  exit 1
}

# stop <pid>: ends a program started by `launch` (the leader of its group).
stop() {
  kill -TERM -- "-$1" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  kill -KILL -- "-$1" 2>/dev/null || true
  sleep 0.3
}

# measure <seconds> <label=pid>...: the figures of each over the same window.
declare -A rss pss cpu sw nthreads
measure() {
  local window=$1
  shift
  declare -A cpu0 sw0
  local entry label p
  for entry in "$@"; do
    p=${entry#*=}
    cpu0[$p]=$(cpu_ms "$p")
    sw0[$p]=$(switches "$p")
  done
  sleep "$window"
  for entry in "$@"; do
    label=${entry%%=*}
    p=${entry#*=}
    kill -0 "$p" 2>/dev/null || { echo "$label ended during the run" >&2; exit 1; }
    rss[$label]=$(rss_kb "$p")
    pss[$label]=$(pss_kb "$p")
    cpu[$label]=$(awk -v a="$(cpu_ms "$p")" -v b="${cpu0[$p]}" 'BEGIN { print a - b }')
    sw[$label]=$(($(switches "$p") - sw0[$p]))
    nthreads[$label]=$(threads "$p")
  done
}

header() {
  printf "%-22s %9s %9s %9s %9s %11s %7s %10s %10s %10s %10s\n" program "RSS MiB" "PSS MiB" "CPU ms" "CPU ms/s" \
    "switches/s" threads "RSS/bare" "RSS/ktea" "CPU/bare" "sw/bare"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0 && a != "") printf "%.2f", a / b; else printf "n/a" }'; }
row() {
  local label=$1
  awk -v n="$label" -v r="${rss[$label]}" -v p="${pss[$label]}" -v c="${cpu[$label]}" -v s="${sw[$label]}" \
    -v t="${nthreads[$label]}" -v d="$seconds" -v rb="$(ratio "${rss[$label]}" "${rss[bare]}")" \
    -v rk="$(ratio "${rss[$label]}" "${rss[kteatime]:-}")" -v cb="$(ratio "${cpu[$label]}" "${cpu[bare]}")" \
    -v sb="$(ratio "${sw[$label]}" "${sw[bare]}")" \
    'BEGIN { printf "%-22s %9.1f %9.1f %9.1f %9.2f %11.2f %7d %10s %10s %10s %10s\n", n, r / 1024, p / 1024, c, c / d,
             s / d, t, rb, rk, cb, sb }'
}

# Start-up: from launch to the icon in the tray, three times each, idle.
echo "start-up to the tray icon shown (ms, three starts each):"
for program in kelvane bare; do
  times=()
  for _ in 1 2 3; do
    if [ "$program" = kelvane ]; then launch kelvane '^kelvane$' "$kelvane"; else launch bare '^bare-tray$' "$bare"; fi
    times+=("$shown_ms")
    stop "$pid"
  done
  echo "  $program: ${times[*]}"
done

# The popover: from the X server taking a left click on the tray icon to the
# popover's window mapped, and to the screen showing it as it finally looks
# (read back from the X server until it matches the settled picture of the
# first opening), over `popover_clicks` openings of one running program.
popover_clicks=${POPOVER_CLICKS:-11}
sqlite3 "$store" "INSERT OR REPLACE INTO entries (key, type, value) VALUES ('com.morrowfen.kelvane.macos.hasSeenClickHint', 'bool', 1)"
launch kelvane '^kelvane$' "$kelvane"
sleep 2 # past start-up
icon=$(xdotool search --onlyvisible --classname '^kelvane$' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$icon")"
"$popover_timer" $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) "$popover_clicks" >"$root/popover-times"
stop "$pid"
# stats <column>: median, least and most of the warm openings (all but the first).
stats() {
  tail -n +2 "$root/popover-times" | awk -v c="$1" '{ print $c }' | sort -n |
    awk '{ v[NR] = $1 } END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
           printf "median %.1f, least %.1f, most %.1f", m, v[1], v[NR] }'
}
echo "left click on the tray icon to the popover (ms, $popover_clicks openings; the goal is 50 to painted):"
echo "  first opening: mapped $(awk 'NR == 1 { print $2 }' "$root/popover-times"), painted $(awk 'NR == 1 { print $3 }' "$root/popover-times")"
echo "  later openings, mapped: $(stats 2)"
echo "  later openings, painted: $(stats 3)"
echo "  painted, each opening: $(awk '{ printf "%s ", $3 }' "$root/popover-times")"
[ -z "${ONLY_STARTUP:-}" ] || exit 0

# The peers run throughout; each window measures them beside kelvane.
launch bare '^bare-tray$' "$bare"
bare_pid=$pid
peers=("bare=$bare_pid")
if [ -n "$teatime" ]; then
  start kteatime "$teatime" --time 1500
  teatime_pid=${groups[-1]}
  sleep 3
  peers+=("kteatime=$teatime_pid")
fi

echo
echo "idle (no timer running) over ${seconds} s:"
launch kelvane '^kelvane$' "$kelvane"
sleep 2 # past start-up
idle_pid=$pid
# Per thread, to tell which one woke.
thread_switches() {
  local task
  for task in /proc/"$1"/task/*; do
    printf "%s %s\n" "$(tr " " _ <"$task/comm")" \
      "$(awk '/^(non)?voluntary_ctxt_switches:/ { n += $2 } END { print n }' "$task/status")"
  done
}
thread_switches "$idle_pid" >"$root/idle-before"
measure "$seconds" "kelvane-idle=$idle_pid" "${peers[@]}"
thread_switches "$idle_pid" >"$root/idle-after"
header
row kelvane-idle
echo "  kelvane's threads woke ${sw[kelvane-idle]} times in ${seconds} s; by thread:"
paste "$root/idle-before" "$root/idle-after" | awk '{ printf "    %-16s %d\n", $1, $4 - $2 }'
stop "$idle_pid"

echo
for look in dotMatrix sevenSegmentV2 flipClock smallAndBig; do
  set_key com.morrowfen.kelvane.appearance.menuBarDisplayMode full
  set_key com.morrowfen.kelvane.appearance.displayType "$look"
  # The link starts the countdown, or resumes the one the last run left paused.
  launch kelvane '^kelvane$' "$kelvane" kelvane://timer/toggle
  sleep 2
  measure "$seconds" "kelvane-$look=$pid" "${peers[@]}"
  echo "countdown running, full tray display, $look, over ${seconds} s:"
  header
  row "kelvane-$look"
  row bare
  [ -z "$teatime" ] || row kteatime
  echo
  stop "$pid"
done

echo "memory of kelvane with a countdown running (dotMatrix):"
set_key com.morrowfen.kelvane.appearance.displayType dotMatrix
launch kelvane '^kelvane$' "$kelvane" kelvane://timer/toggle
sleep 60
after_minute=$(rss_kb "$pid")
bare_after_minute=$(rss_kb "$bare_pid")
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
samples=("$(mib "$after_minute")")
for ((elapsed = 60; elapsed < long_seconds; elapsed += 60)); do
  sleep $((long_seconds - elapsed < 60 ? long_seconds - elapsed : 60))
  samples+=("$(mib "$(rss_kb "$pid")")")
done
after_long=$(rss_kb "$pid")
bare_after_long=$(rss_kb "$bare_pid")
awk -v a="$after_minute" -v b="$after_long" -v s="$long_seconds" \
  'BEGIN { printf "  RSS after 60 s %.1f MiB, after %d s %.1f MiB: %+.2f MiB\n", a / 1024, s, b / 1024, (b - a) / 1024 }'
echo "  RSS each minute from the first (MiB): ${samples[*]}"
# The bare program redraws its tray icon all the while too: what it gains over
# the same time is what the tray icon's own road costs.
awk -v a="$bare_after_minute" -v b="$bare_after_long" \
  'BEGIN { printf "  bare-tray over the same time: %+.2f MiB\n", (b - a) / 1024 }'
stop "$pid"
