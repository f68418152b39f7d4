# scratchworld.sh: sourced by the soak scripts once $bin names the build's bin/. Everything of
# the run stays in a scratch directory (state, settings, sysroot), which goes at exit together
# with every process the script lists in children.
work=$(mktemp -d)
children=()
cleanup() {
  for pid in "${children[@]}"; do
    [ "$pid" -gt 0 ] 2>/dev/null && kill "$pid" 2>/dev/null
  done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export VYRO_SIM_HOME=$work/sim VYRO_SYSROOT=$work/sysroot QT_QPA_PLATFORM=offscreen
export VYRO_UPDATE_URL=http://127.0.0.1:1/update.ini
sim() { "$bin/vyrosim" "$@" > /dev/null 2>&1; }
sim reset
sim sysroot "$VYRO_SYSROOT"
