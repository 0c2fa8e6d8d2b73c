#!/usr/bin/env bash
# scripts/play.sh must stop before installing or building anything when
# there is no display to open the window on, with one line saying what is
# missing. It runs here on a copy whose install and build steps are stubs
# that leave a mark, so nothing is installed or built.
#
#   play_without_display_test.sh PATH/TO/scripts/play.sh
set -uo pipefail
play_script="$1"
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/scripts" "$tree/stubs"
cp "$play_script" "$tree/scripts/play.sh"
for stub in scripts/install-deps.sh stubs/cmake stubs/sudo stubs/apt-get; do
  printf '#!/bin/sh\ntouch "%s/ran-$(basename "$0")"\nexit 3\n' "$tree" >"$tree/$stub"
  chmod +x "$tree/$stub"
done
failures=0
fail() {
  echo "FAIL ($1): $2"
  failures=$((failures + 1))
}

# Runs the copy with the given environment changes; sets status, out, err.
run_play() {
  rm -f "$tree"/ran-* "$tree/out" "$tree/err"
  env "$@" PATH="$tree/stubs:$PATH" timeout 10 bash "$tree/scripts/play.sh" >"$tree/out" 2>"$tree/err"
  status=$?
  out="$(cat "$tree/out")"
  err="$(cat "$tree/err")"
}

# Columns: case, environment changes (env's -u first), the line play.sh must print.
cases=(
  "nothing set|-u DISPLAY -u WAYLAND_DISPLAY|play.sh: no display: neither DISPLAY nor WAYLAND_DISPLAY is set; run it from a desktop session."
  "Wayland without XWayland|-u DISPLAY WAYLAND_DISPLAY=wayland-0|play.sh: no X display: WAYLAND_DISPLAY is set but DISPLAY is not; the game's window needs XWayland."
  "no server on DISPLAY|-u WAYLAND_DISPLAY DISPLAY=:4711|play.sh: cannot reach the X display DISPLAY=:4711; is its server running?"
  "empty DISPLAY|DISPLAY= WAYLAND_DISPLAY=|play.sh: no display: neither DISPLAY nor WAYLAND_DISPLAY is set; run it from a desktop session."
)
for row in "${cases[@]}"; do
  IFS='|' read -r name changes line <<<"$row"
  read -ra words <<<"$changes"
  run_play "${words[@]}"
  ((status != 0)) || fail "$name" "exit status 0"
  ((status != 124)) || fail "$name" "did not stop at once"
  [[ "$err" == "$line" ]] || fail "$name" "printed '$err' instead of '$line'"
  [[ -z "$out" ]] || fail "$name" "printed '$out' on standard output"
  ran=("$tree"/ran-*)
  [[ ! -e "${ran[0]}" ]] || fail "$name" "ran ${ran[*]##*/ran-} before stopping"
done

# With a display that answers, play.sh goes on to install (the stub stops it).
if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
  run_play
  [[ -e "$tree/ran-install-deps.sh" ]] || fail "display present" "stopped before installing: '$err'"
else
  echo "no display here: the case with a display is not run"
fi

((failures == 0)) || exit 1
echo "play.sh stops at once without a display"
