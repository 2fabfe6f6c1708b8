# Sourced: start_virtual_display starts Xvfb on a free display number and exports
# DISPLAY; stop_virtual_display ends it.
start_virtual_display() {
  local n=90
  while [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  SKYLARK_XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X${n}" ] && return 0
    sleep 0.1
  done
  echo "could not start Xvfb on $DISPLAY" >&2
  return 1
}

stop_virtual_display() {
  if [ -n "${SKYLARK_XVFB_PID:-}" ]; then
    kill "$SKYLARK_XVFB_PID" 2>/dev/null || true
    wait "$SKYLARK_XVFB_PID" 2>/dev/null || true
    SKYLARK_XVFB_PID=""
  fi
}
