#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What kelvane costs on a desktop, beside what a user would otherwise run: a
# bare Qt tray program that redraws a 22 px icon once a second (in every
# window, whatever kelvane shows), and KTeaTime (Debian's kteatime, `kteatime
# --time 1500`) where installed. Measured for each over the same window:
# resident and proportional memory, CPU time and wakeups (voluntary and
# involuntary context switches) per second, by thread, and the ratios to the
# bare program; kelvane idle, then with a countdown running in the full tray
# display in each look and in both time formats (minutes only, "minimal", and
# minutes and seconds, "standard"); the start-up time to the tray icon and
# kelvane's libraries mapped at start; the time from a left click on the icon
# to its popover painted (POPOVER_CLICKS openings, 11 by default).
#
#   bench/tray-process-bench.sh [--short] [--seconds N] [--build DIR]
#   bench/tray-process-bench.sh --long [MINUTES=60] [--build DIR]
#
# --short: 10 s windows, three popover openings, no KTeaTime (for CI).
# --long: memory over time instead: RSS and heap (anonymous memory, from
# /proc/PID/smaps_rollup) of kelvane and the bare program each minute, with a
# countdown showing seconds for the first half and a looping completion
# animation for the second. With ONLY_STARTUP set, only the start-up and
# popover figures are taken.
#
# Runs on a private X server (Xvfb) with openbox and trayer, a private session
# bus and a temporary home; nothing of the user's is read or written. With
# KEEP_BENCH_DIR set, that home and the programs' logs are kept.
set -euo pipefail

seconds=60
long_minutes=
short=
here=$(cd "$(dirname "$0")" && pwd)
build=$here/../build
while [ $# -gt 0 ]; do
  case $1 in
  --short) short=1 seconds=10 ;;
  --seconds) seconds=$2; shift ;;
  --build) build=$2; shift ;;
  --long)
    long_minutes=60
    if [[ ${2:-} =~ ^[0-9]+$ ]]; then long_minutes=$2; shift; fi
    ;;
  *) echo "usage: $0 [--short] [--seconds N] [--build DIR] | --long [MINUTES] [--build DIR]" >&2; exit 2 ;;
  esac
  shift
done
build=$(cd "$build" && pwd)
kelvane=$build/Kelvane/kelvane
bare=$build/bench/bare-tray
popover_timer=$build/bench/popover-paint-timer

for tool in Xvfb dbus-daemon openbox trayer xdotool sqlite3; do
  command -v "$tool" >/dev/null || { echo "not installed: $tool" >&2; exit 2; }
done
for program in "$kelvane" "$bare" "$popover_timer"; do
  [ -x "$program" ] || { echo "not built: $program" >&2; exit 2; }
done
teatime=
if [ -z "$short" ] && [ -z "$long_minutes" ]; then
  teatime=$(command -v kteatime || true)
  [ -n "$teatime" ] || echo "kteatime is not installed (apt install kteatime): measuring without it" >&2
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
anon_kb() { awk '/^Anonymous:/ { print $2 }' "/proc/$1/smaps_rollup"; }
threads() { ls "/proc/$1/task" | wc -l; }
now_ms() { date +%s%3N; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
# Each thread's name (spaces as _) and its context switches so far.
thread_switches() {
  local task
  for task in /proc/"$1"/task/*; do
    printf "%s %s %s\n" "${task##*/}" "$(tr " " _ <"$task/comm" 2>/dev/null)" \
      "$(awk '/^(non)?voluntary_ctxt_switches:/ { n += $2 } END { print n + 0 }' "$task/status" 2>/dev/null)"
  done
}

store=$XDG_CONFIG_HOME/group.com.morrowfen.Kelvane.sqlite
# set_key <key> <value> [type]: a setting written as the program writes it,
# while the program is not running.
set_key() {
  sqlite3 "$store" "INSERT OR REPLACE INTO entries (key, type, value) VALUES ('$1', '${3:-string}', '$2')"
}
get_key() { sqlite3 "$store" "SELECT value FROM entries WHERE key = '$1'"; }

# launch <name> <class> <command...>: starts it, waits for its icon in
# trayer, and sets `pid` and `shown_ms` (from the start to the icon viewable).
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

# measure <seconds> <label=pid>...: the figures of each over the same window,
# and each one's wakeups by thread in $root/threads-<label>.
declare -A rss pss cpu sw nthreads
measure() {
  local window=$1
  shift
  declare -A cpu0 sw0
  local entry label p
  for entry in "$@"; do
    label=${entry%%=*}
    p=${entry#*=}
    cpu0[$p]=$(cpu_ms "$p")
    sw0[$p]=$(switches "$p")
    thread_switches "$p" >"$root/threads-before-$label"
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
    thread_switches "$p" >"$root/threads-after-$label"
    # Threads by id: one that ended or began in the window counts from zero.
    awk -v d="$window" 'NR == FNR { before[$1] = $3; next }
      { n = $3 - ($1 in before ? before[$1] : 0); by[$2] += n }
      END { for (t in by) if (by[t] > 0) printf "%s %.2f\n", t, by[t] / d }' \
      "$root/threads-before-$label" "$root/threads-after-$label" | sort -k2,2nr >"$root/threads-$label"
  done
}

header() {
  printf "%-30s %8s %8s %8s %10s %7s %8s %8s %8s %8s\n" program "RSS MiB" "PSS MiB" "CPU ms/s" "wakeups/s" threads \
    "RSS/bare" "PSS/bare" "CPU/bare" "wake/bare"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0 && a != "") printf "%.2f", a / b; else printf "n/a" }'; }
row() {
  local label=$1 d=$2
  printf "%-30s %8s %8s %8.2f %10.2f %7d %8s %8s %8s %8s\n" "$label" "$(mib "${rss[$label]}")" "$(mib "${pss[$label]}")" \
    "$(awk -v c="${cpu[$label]}" -v d="$d" 'BEGIN { print c / d }')" \
    "$(awk -v s="${sw[$label]}" -v d="$d" 'BEGIN { print s / d }')" "${nthreads[$label]}" \
    "$(ratio "${rss[$label]}" "${rss[bare]}")" "$(ratio "${pss[$label]}" "${pss[bare]}")" \
    "$(ratio "${cpu[$label]}" "${cpu[bare]}")" "$(ratio "${sw[$label]}" "${sw[bare]}")"
}
by_thread() {
  local label
  for label in "$@"; do
    echo "  $label, wakeups a second by thread: $(awk '{ printf "%s %s, ", $1, $2 }' "$root/threads-$label" | sed 's/, $//')"
  done
}

# start_countdown: resets whatever timer the last run left, then starts a
# fresh 25 minutes, and waits for the store to say it runs. The program
# takes one link a second.
start_countdown() {
  "$kelvane" kelvane://timer/reset
  sleep 1.1
  "$kelvane" kelvane://timer/start
  wait_for "the countdown" sh -c "sqlite3 '$store' \"SELECT value FROM entries WHERE key = 'com.morrowfen.kelvane.timerState'\" | grep -q '\"mode\":\"running\"'"
}
# The store is the program's: one run creates it.
launch kelvane '^kelvane$' "$kelvane"
stop "$pid"
set_key com.morrowfen.kelvane.appearance.menuBarDisplayMode full
set_key com.morrowfen.kelvane.macos.hasSeenClickHint 1 bool

if [ -n "$long_minutes" ]; then
  # Memory over time: a countdown with seconds shown, then a looping
  # completion animation, beside the bare program all the while.
  half=$((long_minutes / 2))
  set_key com.morrowfen.kelvane.appearance.displayType dotMatrix
  set_key com.morrowfen.kelvane.appearance.timeFormat standard
  set_key com.morrowfen.kelvane.completion.displayBehavior playAnimation
  set_key com.morrowfen.kelvane.completion.selectedAnimationID builtin.pacman-chomp
  set_key com.morrowfen.kelvane.completion.animationLoopsEnabled 1 bool
  # The countdown ends at half time.
  set_key com.morrowfen.kelvane.customDuration $((half * 60 + 5)) double
  launch bare '^bare-tray$' "$bare"
  bare_pid=$pid
  launch kelvane '^kelvane$' "$kelvane" kelvane://timer/reset
  sleep 1.1
  "$kelvane" 'kelvane://timer/preset?id=preset.custom'
  sleep 1.1
  "$kelvane" kelvane://timer/start
  wait_for "the countdown" sh -c "sqlite3 '$store' \"SELECT value FROM entries WHERE key = 'com.morrowfen.kelvane.timerState'\" | grep -q '\"mode\":\"running\"'"
  echo "memory over ${long_minutes} minutes (MiB): countdown with seconds shown, from minute $half a looping animation"
  printf "%7s %12s %13s %9s %10s\n" minute "kelvane RSS" "kelvane heap" "bare RSS" "bare heap"
  for ((minute = 0; minute <= long_minutes; minute++)); do
    kill -0 "$pid" 2>/dev/null || { echo "kelvane ended during the run" >&2; exit 1; }
    printf "%7d %12s %13s %9s %10s\n" "$minute" "$(mib "$(rss_kb "$pid")")" "$(mib "$(anon_kb "$pid")")" \
      "$(mib "$(rss_kb "$bare_pid")")" "$(mib "$(anon_kb "$bare_pid")")" | tee -a "$root/long"
    [ "$minute" -lt "$long_minutes" ] && sleep 60
  done
  awk -v m=$((long_minutes < 10 ? 0 : 10)) '$1 == m { k0 = $2; b0 = $4 } { k = $2; b = $4 }
    END { printf "from minute %d to the end: kelvane %+.2f MiB, bare %+.2f MiB\n", m, k - k0, b - b0 }' "$root/long"
  exit 0
fi

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
popover_clicks=${POPOVER_CLICKS:-$([ -n "$short" ] && echo 3 || echo 11)}
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
launch kelvane '^kelvane$' "$kelvane" kelvane://timer/reset
sleep 2 # past start-up
idle_pid=$pid
start_rss=$(rss_kb "$idle_pid")
measure "$seconds" "kelvane-idle=$idle_pid" "${peers[@]}"
header
row kelvane-idle "$seconds"
row bare "$seconds"
[ -z "$teatime" ] || row kteatime "$seconds"
by_thread kelvane-idle
echo "  RSS two seconds after start: kelvane $(mib "$start_rss") MiB, $(ratio "$start_rss" "$(rss_kb "$bare_pid")")x bare"
# None found is the hoped-for answer, not a failure.
audio_libs=$({ grep -o -E 'lib(Qt6Multimedia|Qt6Network|pulse|pulsecommon-[0-9.]+|canberra-pulse)\.so' "/proc/$idle_pid/maps" || true; } | sort -u | tr '\n' ' ')
echo "  audio and network libraries mapped while idle: ${audio_libs:-none}"
stop "$idle_pid"

# The settings window: what opening it adds, and what returns when it closes
# (twice: memory the first opening keeps should not grow again).
launch kelvane '^kelvane$' "$kelvane"
sleep 2
settings_rss=("$(rss_kb "$pid")")
for _ in 1 2; do
  "$kelvane" kelvane://settings
  wait_for "the settings window" xdotool search --onlyvisible --name '^Settings$'
  sleep 3
  settings_rss+=("$(rss_kb "$pid")")
  window=$(xdotool search --onlyvisible --name '^Settings$' | head -n1)
  xdotool windowactivate --sync "$window" key alt+F4
  for _ in $(seq 100); do xdotool search --onlyvisible --name '^Settings$' >/dev/null 2>&1 || break; sleep 0.1; done
  sleep 3
  settings_rss+=("$(rss_kb "$pid")")
done
echo "the settings window (RSS MiB): before $(mib "${settings_rss[0]}"), open $(mib "${settings_rss[1]}"), closed $(mib "${settings_rss[2]}"), open again $(mib "${settings_rss[3]}"), closed again $(mib "${settings_rss[4]}")"
stop "$pid"
echo

# Every look in both formats. The format goes in last: choosing the look
# is what may change it (small-and-big shows only minutes and seconds, and
# the program stores "standard" for it at start), so each window checks the
# format the running program kept and measures none it did not ask for.
summary=()
for look in dotMatrix sevenSegmentV2 flipClock smallAndBig; do
  for format in minimal standard; do
    set_key com.morrowfen.kelvane.appearance.displayType "$look"
    set_key com.morrowfen.kelvane.appearance.timeFormat "$format"
    launch kelvane '^kelvane$' "$kelvane"
    sleep 1.1
    start_countdown
    sleep 1
    kept=$(get_key com.morrowfen.kelvane.appearance.timeFormat)
    if [ "$kept" != "$format" ]; then
      echo "$look, $format: the program keeps this look in \"$kept\"; not measured"
      echo
      summary+=("$(printf "%-16s %-9s %s" "$look" "$format" "(the program shows $kept)")")
      stop "$pid"
      continue
    fi
    label="kelvane-$look-$format"
    measure "$seconds" "$label=$pid" "${peers[@]}"
    echo "countdown running, full tray display, $look, $format, over ${seconds} s:"
    header
    row "$label" "$seconds"
    row bare "$seconds"
    [ -z "$teatime" ] || row kteatime "$seconds"
    by_thread "$label" bare
    echo
    summary+=("$(printf "%-16s %-9s %8s %8s %8s %8s" "$look" "$format" "$(ratio "${rss[$label]}" "${rss[bare]}")" \
      "$(ratio "${pss[$label]}" "${pss[bare]}")" "$(ratio "${cpu[$label]}" "${cpu[bare]}")" \
      "$(ratio "${sw[$label]}" "${sw[bare]}")")")
    stop "$pid"
  done
done

echo "every look and format beside the bare program (ratios to bare):"
printf "%-16s %-9s %8s %8s %8s %8s\n" look format RSS PSS CPU wakeups
printf "%s\n" "${summary[@]}"
