#!/bin/bash
# rss_storm.sh [BUILD_DIR] [SECONDS] [STEP]: zentara alone on a simulated world of its own while
# vyrosim plugs, unplugs and changes cameras underneath it; prints zentara's resident memory
# every STEP seconds (default 30), then the growth from the first sample after start-up to the
# last and its slope. BUILD_DIR needs bin/zentara, bin/vyrosim and lib/ (a copy works too).
set -u
build=$(realpath "${1:-build}")
seconds=${2:-600}
step=${3:-30}
bin=$build/bin
for program in zentara vyrosim; do
  [ -x "$bin/$program" ] || { echo "rss_storm: $bin/$program is missing; build first" >&2; exit 2; }
done
export LD_LIBRARY_PATH=$build/lib

# shellcheck source=tools/soak/scratchworld.sh
. "$(dirname "$0")/scratchworld.sh"

"$bin/zentara" > "$work/zentara.log" 2>&1 &
zentara=$!
children+=("$zentara")
rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$zentara/status"; }
sleep 10
kill -0 "$zentara" 2>/dev/null || { echo "rss_storm: zentara did not start"; exit 1; }

presets=(usb3-5000 usb2-legacy gige-ready gige-bootboost readonly u3v gev)
fields=("deviceStatus 0x101" "deviceStatus 0x100" "controlStatus 0x080000A7" "model VY-SOAK"
        "cameraId 42" "cameraId 7")
RANDOM=1
start=$SECONDS
next=0
first=$(rss)
changes=0
echo "seconds rss_kib"
while :; do
  elapsed=$((SECONDS - start))
  if [ "$elapsed" -ge "$next" ]; then
    echo "$elapsed $(rss)"
    next=$((next + step))
  fi
  [ "$elapsed" -ge "$seconds" ] && break
  id=$((3000 + RANDOM % 20))
  case $((RANDOM % 5)) in
    0) sim plug "${presets[RANDOM % ${#presets[@]}]}" "$id" ;;
    1) sim unplug "$id" ;;
    2) sim set 1 ${fields[RANDOM % ${#fields[@]}]} ;;
    3) sim daemon $([ $((RANDOM % 2)) = 0 ] && echo usb || echo eth) \
           $([ $((RANDOM % 2)) = 0 ] && echo stop || echo start) ;;
    4) sim reset ;;
  esac
  changes=$((changes + 1))
  kill -0 "$zentara" 2>/dev/null || { echo "rss_storm: zentara died"; tail -20 "$work/zentara.log"; exit 1; }
  sleep 0.05
done
last=$(rss)
awk -v f="$first" -v l="$last" -v s="$elapsed" -v c="$changes" \
  'BEGIN { printf "%d changes; RSS %d KiB -> %d KiB (%+d KiB), %.1f KiB per minute\n", c, f, l, l - f, 60 * (l - f) / s }'
