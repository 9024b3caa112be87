#!/usr/bin/env bash
# What kelvane costs while a countdown runs in the tray, beside a bare Qt tray
# program that redraws a 22 px icon once a second: resident memory, CPU time
# and context switches per second (all threads), and their ratios.
#
#   bench/tray-process-bench.sh [seconds=60] [build-dir=build]
#
# Runs on a private X server (Xvfb) with openbox and trayer, a private session
# bus and a temporary home; nothing of the user's is read or written. With
# KEEP_BENCH_DIR set, that home and the programs' logs are kept.
set -euo pipefail

seconds=${1:-60}
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${2:-$here/../build}" && pwd)
kelvane=$build/Kelvane/kelvane
bare=$build/bench/bare-tray

for tool in Xvfb dbus-daemon openbox trayer xdotool; do
  command -v "$tool" >/dev/null || { echo "not installed: $tool" >&2; exit 2; }
done
for program in "$kelvane" "$bare"; do
  [ -x "$program" ] || { echo "not built: $program" >&2; exit 2; }
done

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

# The countdown is started by the link kelvane is launched with.
start kelvane "$kelvane" kelvane://timer/toggle
start bare "$bare"
kelvane_pid=${groups[-2]}
bare_pid=${groups[-1]}
wait_for "kelvane's tray icon" xdotool search --onlyvisible --classname '^kelvane$'
wait_for "bare-tray's tray icon" xdotool search --onlyvisible --classname '^bare-tray$'
sleep 2 # past start-up

ticks=$(getconf CLK_TCK)
cpu_ms() { awk -v t="$ticks" '{ sub(/^.*\) /, ""); print ($12 + $13) * 1000 / t }' "/proc/$1/stat"; }
switches() { cat /proc/"$1"/task/*/status | awk '/^(non)?voluntary_ctxt_switches:/ { n += $2 } END { print n }'; }
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
threads() { ls "/proc/$1/task" | wc -l; }

declare -A cpu0 sw0
for pid in "$kelvane_pid" "$bare_pid"; do
  cpu0[$pid]=$(cpu_ms "$pid")
  sw0[$pid]=$(switches "$pid")
done
echo "measuring for ${seconds} s ..." >&2
sleep "$seconds"

declare -A rss cpu sw nthreads
for pid in "$kelvane_pid" "$bare_pid"; do
  kill -0 "$pid" 2>/dev/null || { echo "process $pid ended during the run" >&2; exit 1; }
  rss[$pid]=$(rss_kb "$pid")
  cpu[$pid]=$(awk -v a="$(cpu_ms "$pid")" -v b="${cpu0[$pid]}" 'BEGIN { print a - b }')
  sw[$pid]=$(( $(switches "$pid") - sw0[$pid] ))
  nthreads[$pid]=$(threads "$pid")
done

row() {
  awk -v n="$1" -v r="${rss[$2]}" -v c="${cpu[$2]}" -v s="${sw[$2]}" -v t="${nthreads[$2]}" -v d="$seconds" \
    'BEGIN { printf "%-10s %10.1f %12.0f %12.2f %12.2f %8d\n", n, r / 1024, c, c / d, s / d, t }'
}
echo "over ${seconds} s, countdown running in kelvane:"
printf "%-10s %10s %12s %12s %12s %8s\n" program "RSS MiB" "CPU ms" "CPU ms/s" "switches/s" threads
row kelvane "$kelvane_pid"
row bare-tray "$bare_pid"
awk -v rk="${rss[$kelvane_pid]}" -v rb="${rss[$bare_pid]}" -v ck="${cpu[$kelvane_pid]}" -v cb="${cpu[$bare_pid]}" \
  -v sk="${sw[$kelvane_pid]}" -v sb="${sw[$bare_pid]}" \
  'function ratio(a, b) { return b > 0 ? sprintf("%.2f", a / b) : "n/a" }
   BEGIN { printf "%-10s %10s %12s %12s %12s\n", "ratio", ratio(rk, rb), ratio(ck, cb), ratio(ck, cb), ratio(sk, sb) }'
