# start_xvfb [SCREEN]: starts a virtual X server on a display number it picks
# itself, exports DISPLAY and XVFB_PID, and waits until it answers. -noreset: else
# the server resets each time its last client (the xdpyinfo probe, for one) leaves,
# and a client that connects meanwhile loses its connection.
start_xvfb() {
  local screen=${1:-1280x1024x24}
  local numberfile
  numberfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$screen" -noreset -nolisten tcp 3>"$numberfile" >/dev/null 2>&1 &
  XVFB_PID=$!
  local tries=0
  until [ -s "$numberfile" ] && DISPLAY=":$(cat "$numberfile")" xdpyinfo >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ "$tries" -ge 200 ] || ! kill -0 "$XVFB_PID" 2>/dev/null; then
      echo "Xvfb did not start" >&2
      rm -f "$numberfile"
      return 1
    fi
    sleep 0.05
  done
  export DISPLAY=":$(cat "$numberfile")"
  rm -f "$numberfile"
}
