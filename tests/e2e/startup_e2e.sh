#!/usr/bin/env bash
# End-to-end checks of VesmarkOpt's start-up in a real X server (Xvfb, xcb).
# Usage: startup_e2e.sh PATH/TO/VesmarkOpt SCENARIO
# Exits 77 (skipped) when Xvfb or xdotool is missing.
set -uo pipefail

EXE=${1:?program path}
SCENARIO=${2:?scenario}

for tool in Xvfb xdotool xwininfo xdpyinfo; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skip: $tool is not installed"; exit 77; }
done

DIALOG_TITLE=" オプション設定 for Vesmark Ver0.34"
BOX_TITLE="オプション設定 for Vesmark Ver0.34"

WORK=$(mktemp -d)
PIDS=()
XVFB_PID=
cleanup() {
  for p in "${PIDS[@]}"; do kill -9 "$p" 2>/dev/null; done
  # Wait for the server to be gone, so that the next run never finds its
  # display half shut down.
  [ -n "$XVFB_PID" ] && { kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; }
  [ -n "${KEEP:-}" ] && cp -r "$WORK" /tmp/e2e-keep-$$
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL [$SCENARIO]: $*" >&2; exit 1; }

# A display of our own.
exec 3>"$WORK/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.05; done
[ -s "$WORK/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -1 "$WORK/display")"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
xdpyinfo >/dev/null 2>&1 || fail "display $DISPLAY does not answer"
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Leak reports of an instrumented build at exit would change the exit status;
# the unit tests look for leaks.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

APPDIR="$WORK/app"
mkdir "$APPDIR"
cp "$EXE" "$APPDIR/VesmarkOpt"
INI="$APPDIR/Vesmark.ini"
LOCK="$XDG_RUNTIME_DIR/Vesmark_OptionDialog_VesmarkOpt.lock"

# start NAME: runs $APPDIR/NAME in the background; its pid is in $STARTED.
start() {
  "$APPDIR/$1" >"$WORK/$1.$RANDOM.log" 2>&1 &
  STARTED=$!
  PIDS+=("$STARTED")
}

# find_window PID TITLE: prints the visible window of PID with exactly that title.
find_window() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$2" ] && { echo "$w"; return 0; }
  done
  return 0
}

# wait_window PID TITLE [SECONDS]: prints the window once it is shown.
wait_window() {
  local w
  for _ in $(seq $(( ${3:-15} * 10 ))); do
    w=$(find_window "$1" "$2")
    [ -n "$w" ] && { echo "$w"; return 0; }
    kill -0 "$1" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# wait_exit PID [SECONDS]: the exit status, or fails when the process keeps running.
wait_exit() {
  for _ in $(seq $(( ${2:-15} * 10 ))); do
    if ! kill -0 "$1" 2>/dev/null; then wait "$1"; return $?; fi
    sleep 0.1
  done
  fail "process $1 did not end"
}

press() {  # press WINDOW KEY
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  sleep 0.2
  xdotool key --clearmodifiers "$2"
}

wait_dialog() { wait_window "$1" "$DIALOG_TITLE" "${2:-15}"; }
wait_box() { wait_window "$1" "$BOX_TITLE" "${2:-15}"; }

case "$SCENARIO" in
  ask-no)
    start VesmarkOpt; app=$STARTED
    box=$(wait_box "$app") || fail "no settings question"
    press "$box" Escape
    wait_exit "$app"; rc=$?
    [ "$rc" -eq 0 ] || fail "exit status $rc"
    [ ! -e "$INI" ] || fail "a settings file was made"
    [ ! -e "$LOCK" ] || fail "a lock was taken"
    ;;
  ask-yes)
    mkdir "$INI"  # a directory of that name counts as missing
    start VesmarkOpt; app=$STARTED
    box=$(wait_box "$app") || fail "no settings question"
    press "$box" Return
    dlg=$(wait_dialog "$app") || fail "no dialog after Yes"
    [ "$(xdotool getwindowname "$dlg")" = "$DIALOG_TITLE" ] || fail "title: $(xdotool getwindowname "$dlg")"
    size=$(xwininfo -id "$dlg" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')
    [ "$size" = "560x380" ] || fail "size $size"
    press "$dlg" Escape
    wait_exit "$app"; rc=$?
    [ "$rc" -eq 0 ] || fail "exit status $rc"
    [ -d "$INI" ] || fail "the directory was replaced"
    ;;
  second-copy)
    : >"$INI"
    start VesmarkOpt; first=$STARTED
    dlg=$(wait_dialog "$first") || fail "no dialog"
    start VesmarkOpt; second=$STARTED
    box=$(wait_box "$second") || fail "no warning for the second copy"
    [ -z "$(find_window "$second" "$DIALOG_TITLE")" ] || fail "the second copy shows a dialog"
    press "$box" Return
    wait_exit "$second"; rc=$?
    [ "$rc" -eq 0 ] || fail "second copy exit status $rc"
    kill -0 "$first" 2>/dev/null || fail "the first copy ended"
    [ -n "$(find_window "$first" "$DIALOG_TITLE")" ] || fail "the first dialog is gone"
    press "$dlg" Escape
    wait_exit "$first"; rc=$?
    [ "$rc" -eq 0 ] || fail "first copy exit status $rc"
    ;;
  other-name)
    : >"$INI"
    cp "$APPDIR/VesmarkOpt" "$APPDIR/VesmarkOpt2"
    start VesmarkOpt; first=$STARTED
    wait_dialog "$first" >/dev/null || fail "no dialog"
    start VesmarkOpt2; other=$STARTED
    wait_dialog "$other" >/dev/null || fail "the copy under another name shows no dialog"
    [ -z "$(find_window "$other" "$BOX_TITLE")" ] || fail "the other copy was warned"
    kill -0 "$first" 2>/dev/null || fail "the first copy ended"
    ;;
  save-keys)
    start VesmarkOpt; app=$STARTED
    box=$(wait_box "$app") || fail "no settings question"
    press "$box" Return
    dlg=$(wait_dialog "$app") || fail "no dialog"
    press "$dlg" Return  # the save button is the default button
    wait_exit "$app"; rc=$?
    [ "$rc" -eq 0 ] || fail "exit status $rc"
    [ -f "$INI" ] || fail "no settings file"
    for line in '\[Format\]' '\[Backup\]' 'ButtonFormat=".*"' 'BackNextFormat=".*"' 'SaveInterval=0' \
                'BackupSave=0' 'BackupFileNm="%F"' 'BackupChgExt="~%X"' 'BackupFolder=""'; do
      LC_ALL=C grep -aq "^$line"$'\r'"\$" "$INI" || fail "no line $line in $(cat -v "$INI")"
    done
    ;;
  killed)
    : >"$INI"
    start VesmarkOpt; first=$STARTED
    wait_dialog "$first" >/dev/null || fail "no dialog"
    kill -9 "$first"; wait "$first" 2>/dev/null
    start VesmarkOpt; next=$STARTED
    dlg=$(wait_dialog "$next") || fail "a killed copy blocks the next start"
    press "$dlg" Escape
    wait_exit "$next"; rc=$?
    [ "$rc" -eq 0 ] || fail "exit status $rc"
    ;;
  together)
    : >"$INI"
    start VesmarkOpt; a=$STARTED
    start VesmarkOpt; b=$STARTED
    sleep 1
    for _ in $(seq 150); do
      dialogs=0; boxes=0
      for p in "$a" "$b"; do
        [ -n "$(find_window "$p" "$DIALOG_TITLE")" ] && dialogs=$((dialogs + 1))
        [ -n "$(find_window "$p" "$BOX_TITLE")" ] && boxes=$((boxes + 1))
      done
      [ $((dialogs + boxes)) -ge 2 ] && break
      sleep 0.1
    done
    [ "$dialogs" -eq 1 ] && [ "$boxes" -eq 1 ] || fail "$dialogs dialogs and $boxes warnings"
    ;;
  *)
    fail "unknown scenario"
    ;;
esac
echo "ok [$SCENARIO]"
