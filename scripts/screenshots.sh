#!/usr/bin/env bash
# Takes the README's screenshots under a virtual display: the option dialog with
# its format previews, the preset list with its renderings, the token submenu of
# a format's edit, and the result box of the tool-button format test, into docs/.
# Usage: scripts/screenshots.sh [path/to/VesmarkOpt]
set -euo pipefail
cd "$(dirname "$0")/.."

EXE=${1:-}
if [ -z "$EXE" ]; then
  for candidate in build/release/app/VesmarkOpt build/debug/app/VesmarkOpt build/gui/app/VesmarkOpt; do
    [ -x "$candidate" ] && { EXE=$candidate; break; }
  done
fi
[ -n "$EXE" ] && [ -x "$EXE" ] || { echo "screenshots: build VesmarkOpt first (or pass its path)" >&2; exit 1; }
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing (bash scripts/install-deps.sh --screenshots)" >&2; exit 1; }
done

WORK=$(mktemp -d)
XVFB_PID=
APP_PID=
cleanup() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

exec 3>"$WORK/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
XVFB_PID=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -1 "$WORK/display")"
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"

mkdir "$WORK/app"
cp "$EXE" "$WORK/app/VesmarkOpt"
printf '[Backup]\r\nSaveInterval=15\r\nBackupSave=1\r\nBackupFolder="/home/user/backup"\r\n' >"$WORK/app/Vesmark.ini"
"$WORK/app/VesmarkOpt" >/dev/null 2>&1 &
APP_PID=$!

# window_titled TITLE: the visible window of the program with exactly that title.
window_titled() {
  local w
  for _ in $(seq 150); do
    for w in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
      [ "$(xdotool getwindowname "$w")" = "$1" ] && { echo "$w"; return 0; }
    done
    sleep 0.1
  done
  echo "screenshots: no window \"$1\"" >&2
  return 1
}

mkdir -p docs
dlg=$(window_titled " オプション設定 for Vesmark Ver0.34")
sleep 0.5
import -window "$dlg" docs/dialog.png

# shoot_around NAME WIDTH HEIGHT: the screen from the dialog's top-left corner,
# so that the popups opened from it are in the picture.
shoot_around() {
  local X Y WIDTH_ HEIGHT_ WINDOW SCREEN
  eval "$(xdotool getwindowgeometry --shell "$dlg")"
  sleep 0.5
  import -window root -crop "$2x$3+$X+$Y" +repage "docs/$1.png"
}

# The tool-button format's preset list: the arrow of the combo box at
# (12 + 20 + 445 - 9, 10 + 40 + 10).
xdotool mousemove --window "$dlg" 468 60 click 1
shoot_around presets 560 300
xdotool key Escape
sleep 0.3

# The context menu of the menu format's edit, its token submenu opened: the last
# item, reached with the Up key.
xdotool mousemove --window "$dlg" 200 104 click 3
sleep 0.5
xdotool key Up Right
shoot_around token-menu 720 480
xdotool key Escape Escape
sleep 0.3

# The tool-button format's test button: group box at (12, 10), button at (468, 40), 53 x 21.
xdotool mousemove --window "$dlg" 506 60 click 1
box=$(window_titled "ツールボタン表示形式テスト")
sleep 0.5
import -window "$box" docs/result-box.png
echo "screenshots: docs/dialog.png, docs/presets.png, docs/token-menu.png and docs/result-box.png"
