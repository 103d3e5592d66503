# Sourced by the scripts that run the Windows programs under Wine.

# Starts Xvfb on the first free display number and exports DISPLAY; the
# server's process id is left in $xvfb.
start_virtual_display() {
  n=90
  while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
  Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=:$n
  sleep 1
}

# One persistent wineserver and a prepared prefix, so each program then
# starts in milliseconds instead of seconds.
start_wine() {
  (wineserver -p >/dev/null 2>&1 &)
  wine wineboot >/dev/null 2>&1 </dev/null || true
  # No window manager runs on the virtual display: unmanaged windows hide and
  # close at once instead of waiting for one.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
}
