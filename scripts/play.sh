#!/usr/bin/env bash
# Installs what is missing, builds the game, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

# The window library speaks only X11; on Wayland it goes through XWayland,
# which sets DISPLAY. Checked first, so that a machine without a display
# learns it at once rather than after installing and building.
no_display() {
  echo "play.sh: $1" >&2
  exit 1
}

# True when the X server named by DISPLAY answers (xdpyinfo) or, without
# xdpyinfo, when its socket is there: the file, the abstract socket, or the
# TCP port of a display on another host.
x_display_reachable() {
  if command -v xdpyinfo >/dev/null 2>&1; then
    xdpyinfo >/dev/null 2>&1
    return
  fi
  local host="${DISPLAY%%:*}" number="${DISPLAY#*:}"
  number="${number%%.*}"
  [[ "$number" =~ ^[0-9]+$ ]] || return 1
  if [[ -z "$host" || "$host" == unix ]]; then
    [[ -S "/tmp/.X11-unix/X$number" ]] || grep -q "@/tmp/.X11-unix/X$number\$" /proc/net/unix 2>/dev/null
  else
    timeout 2 bash -c ": </dev/tcp/$host/$((6000 + number))" 2>/dev/null
  fi
}

if [[ -z "${DISPLAY:-}" ]]; then
  if [[ -n "${WAYLAND_DISPLAY:-}" ]]; then
    no_display "no X display: WAYLAND_DISPLAY is set but DISPLAY is not; the game's window needs XWayland."
  fi
  no_display "no display: neither DISPLAY nor WAYLAND_DISPLAY is set; run it from a desktop session."
fi
x_display_reachable || no_display "cannot reach the X display DISPLAY=$DISPLAY; is its server running?"

scripts/install-deps.sh play
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUIBBLENT_BUILD_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)"
exec build/bin/quibblent-dungeons
