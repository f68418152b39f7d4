#!/bin/bash
# soak.sh [BUILD_DIR] [SECONDS]: zentara and dapplix run side by side on a simulated world of
# their own while a scripted storm changes it underneath them: cameras plugged and unplugged,
# fields changed, daemons stopped and started, cameras opened by other processes. Prints each
# program's resident memory and CPU time at the start and the end, and fails when a program
# dies or its memory grows by more than SOAK_RSS_GROWTH_KB (default 20480 KiB).
set -u
build=$(realpath "${1:-build}")
seconds=${2:-600}
growth_limit=${SOAK_RSS_GROWTH_KB:-20480}
bin=$build/bin
for program in zentara dapplix vyrosim holdcamera; do
  [ -x "$bin/$program" ] || { echo "soak: $bin/$program is missing; build first" >&2; exit 2; }
done

# shellcheck source=tools/soak/scratchworld.sh
. "$(dirname "$0")/scratchworld.sh"

"$bin/zentara" > "$work/zentara.log" 2>&1 & zentara=$!; children+=("$zentara")
"$bin/dapplix" > "$work/dapplix.log" 2>&1 & dapplix=$!; children+=("$dapplix")

# Resident memory in KiB and CPU time in clock ticks of a process of ours.
rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
cpu() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
alive() { kill -0 "$1" 2>/dev/null; }

sleep 10
for p in zentara dapplix; do
  pid=${!p}
  alive "$pid" || { echo "soak: $p did not start"; cat "$work/$p.log"; exit 1; }
  eval "${p}_rss0=$(rss "$pid") ${p}_cpu0=$(cpu "$pid")"
done

presets=(usb3-5000 usb2-legacy gige-ready gige-bootboost readonly u3v gev)
fields=("deviceStatus 0x101" "deviceStatus 0x100" "controlStatus 0x080000A7" "model VY-SOAK"
        "cameraId 42" "cameraId 7")
changes=0
end=$((SECONDS + seconds))
RANDOM=1
while [ $SECONDS -lt $end ]; do
  id=$((3000 + RANDOM % 20))
  case $((RANDOM % 6)) in
    0) sim plug "${presets[RANDOM % ${#presets[@]}]}" "$id" ;;
    1) sim unplug "$id" ;;
    2) sim set 1 ${fields[RANDOM % ${#fields[@]}]} ;;
    3) sim daemon $([ $((RANDOM % 2)) = 0 ] && echo usb || echo eth) \
           $([ $((RANDOM % 2)) = 0 ] && echo stop || echo start) ;;
    4) # Another process holds a camera for a moment: until its input closes.
       sleep 0.2 | "$bin/holdcamera" 1 > /dev/null 2>&1 ;;
    5) sim reset ;;
  esac
  changes=$((changes + 1))
  for p in zentara dapplix; do
    alive "${!p}" || { echo "soak: $p died after $changes changes"; tail -20 "$work/$p.log"; exit 1; }
  done
  sleep 0.05
done
sim reset
sleep 5

ticks=$(getconf CLK_TCK)
status=0
echo "soak: $seconds s, $changes world changes"
for p in zentara dapplix; do
  pid=${!p}
  eval "rss0=\$${p}_rss0 cpu0=\$${p}_cpu0"
  rss1=$(rss "$pid"); cpu1=$(cpu "$pid")
  awk -v p="$p" -v r0="$rss0" -v r1="$rss1" -v c="$((cpu1 - cpu0))" -v t="$ticks" -v s="$seconds" \
    'BEGIN { printf "%-8s RSS %6d KiB -> %6d KiB (%+d KiB), CPU %.1f s over the storm (%.1f %% of a core)\n", p, r0, r1, r1 - r0, c / t, 100 * c / t / s }'
  if [ $((rss1 - rss0)) -gt "$growth_limit" ]; then
    echo "soak: $p grew by more than $growth_limit KiB"; status=1
  fi
done
exit $status
