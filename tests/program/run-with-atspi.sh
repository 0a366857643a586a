#!/bin/sh
# Runs a test program as on a desktop with a screen reader: a private X display, a private
# session bus, and the accessibility bus with its registry, all started here and ended after.
# Skips (exit 77) where the machine has no X server or no AT-SPI.
launcher=/usr/libexec/at-spi-bus-launcher
for tool in dbus-run-session xvfb-run "$launcher"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed, so there is no AT-SPI bus to test against"
        exit 77
    fi
done
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    "$0" --launch-immediately &
    bus=$!
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
    status=$?
    kill "$bus" 2>/dev/null
    exit $status' "$launcher" "$@"
