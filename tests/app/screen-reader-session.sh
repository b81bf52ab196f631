#!/usr/bin/env bash
# Runs a program as it runs beside a screen reader: on a virtual display,
# with a session bus and the accessibility bus on it, and Qt's accessibility
# switched on as a screen reader switches it on.
set -u
exec dbus-run-session -- bash -c '
  # Asking the accessibility bus for its address starts it and waits for it.
  if ! dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null; then
    echo "The accessibility bus did not start (at-spi2-core missing?)." >&2
    exit 1
  fi
  exec xvfb-run -a -s "-screen 0 1366x768x24" \
    env QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"' bash "$@"
