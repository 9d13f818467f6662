#!/usr/bin/env bash
# The program on a real X11 desktop: Xvfb with the openbox window manager. The window keeps its
# place over start/close cycles, comes back on screen from a position off every screen, and the
# progress window of a write belongs to the main window, and a file handed to a second copy opens
# in the running one.
# Usage: desktop_test.sh PROGRAM SIMULATOR CLI
set -uo pipefail
program=$(readlink -f "$1")
sim=$(readlink -f "$2")
cli=$(readlink -f "$3")
for tool in Xvfb openbox xprop xwininfo wmctrl xdotool; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (./dev installs it)" >&2; exit 1; }
done

scratch=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  rm -rf "$scratch"
}
trap cleanup EXIT

failures=0
passed=0
check() { # description, then a command that must succeed
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); else echo "FAIL: $what" >&2; failures=$((failures + 1)); fi
}

# A display of our own, 1280x1024, and openbox managing it.
exec 3>"$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.05; done
export DISPLAY=:$(head -1 "$scratch/display")
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
# Until openbox announces itself, a new window would be mapped without a frame.
for _ in $(seq 200); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || { echo "FAIL: openbox did not start" >&2; exit 1; }

app_pid=
main_window=
start_program() { # folder
  (cd "$1" && exec "$program") &
  app_pid=$!
  main_window=
  for _ in $(seq 200); do
    main_window=$(wmctrl -lp | awk -v p="$app_pid" '$3 == p && /Тирель-12/ {print $1; exit}')
    [ -n "$main_window" ] && xprop -id "$main_window" _NET_FRAME_EXTENTS | grep -q '=' && break
    sleep 0.05
  done
  [ -n "$main_window" ] || { echo "FAIL: no main window" >&2; exit 1; }
  sleep 0.3
}

close_program() {
  wmctrl -i -c "$main_window"
  for _ in $(seq 200); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.05; done
  kill -0 "$app_pid" 2>/dev/null && { echo "FAIL: the program did not close" >&2; kill "$app_pid"; }
  wait "$app_pid" 2>/dev/null
}

# The outer frame's left and top: the inside's corner less the frame openbox put around it.
frame_of() { # window id -> "left top width height"
  local x y w h left right top bottom
  x=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $4}')
  y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $4}')
  w=$(xwininfo -id "$1" | awk '/Width:/ {print $2}')
  h=$(xwininfo -id "$1" | awk '/Height:/ {print $2}')
  IFS=', ' read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //')
  echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
}

# "Х" and "У" as the file holds them, Windows-1251 bytes D5 and D3.
stored_position() { # folder -> "x y"
  local x y
  x=$(grep -a $'^\xd5=' "$1/config.ini" | tr -d '\r' | cut -d= -f2)
  y=$(grep -a $'^\xd3=' "$1/config.ini" | tr -d '\r' | cut -d= -f2)
  echo "$x $y"
}

# --- Five start/close cycles from a fresh folder: the frame stays at 10,10.
fresh=$scratch/fresh
mkdir "$fresh"
for cycle in 1 2 3 4 5; do
  start_program "$fresh"
  read -r fx fy fw fh < <(frame_of "$main_window")
  check "cycle $cycle: frame at 10,10 (found $fx,$fy)" test "$fx $fy" = "10 10"
  close_program
  check "cycle $cycle: config.ini keeps Х=10, У=10 (found $(stored_position "$fresh"))" \
    test "$(stored_position "$fresh")" = "10 10"
done
check "config.ini holds the two lines byte for byte" grep -qa $'^\xd5=10\r$' "$fresh/config.ini"
check "config.ini holds У=10 byte for byte" grep -qa $'^\xd3=10\r$' "$fresh/config.ini"

# The main window offers no maximise: openbox is told the window cannot be resized.
start_program "$fresh"
check "the window manager allows no maximise" \
  bash -c "! xprop -id $main_window _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE"
check "the toolkit's hints ask for no resize and no maximise" \
  test "$(xprop -id "$main_window" _MOTIF_WM_HINTS | sed 's/.*= //')" = "0x3, 0x2c, 0x3a, 0x0, 0x0"

# --- After a move the next start shows the window where it was.
wmctrl -i -r "$main_window" -e 1,300,300,-1,-1
sleep 0.3
read -r fx fy fw fh < <(frame_of "$main_window")
check "moved to 300,300 (found $fx,$fy)" test "$fx $fy" = "300 300"
close_program
check "config.ini has Х=300, У=300 (found $(stored_position "$fresh"))" test "$(stored_position "$fresh")" = "300 300"
start_program "$fresh"
read -r fx fy fw fh < <(frame_of "$main_window")
check "restarted at 300,300 (found $fx,$fy)" test "$fx $fy" = "300 300"
close_program

# --- A position off every screen brings the window wholly onto the screen.
offscreen=$scratch/offscreen
mkdir "$offscreen"
printf '[\xce\xe1\xf9\xe8\xe5]\r\n\xd5=5000\r\n\xd3=-400\r\n' >"$offscreen/config.ini"
start_program "$offscreen"
read -r fx fy fw fh < <(frame_of "$main_window")
check "pulled onto the screen (frame $fx,$fy ${fw}x$fh)" \
  test "$fx" -ge 0 -a "$fy" -ge 0 -a $((fx + fw)) -le 1280 -a $((fy + fh)) -le 1024
close_program

# --- A second copy started with a file hands it to the running one and ends; the running copy
# opens it, so the file is among its recent files when it closes.
handover=$scratch/handover
mkdir "$handover"
"$cli" new --band 3 -o "$handover/handed.t12"
start_program "$handover"
(cd "$handover" && timeout 10 "$program" "$handover/handed.t12")
check "the second copy hands the file over and ends with 0" test $? -eq 0
check "only the first copy has a window" test "$(wmctrl -l | grep -c 'Тирель-12')" -eq 1
sleep 0.5
close_program
check "the running copy opened the handed file" grep -qa "$handover/handed.t12" "$handover/config.ini"

# --- During a write to the simulated radio the progress window belongs to the main window.
radio=$scratch/radio
mkdir "$radio"
"$sim" --link "$radio/com1" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -e "$radio/com1" ] && break; sleep 0.05; done
printf '[Ports]\r\nCOM1=%s\r\n' "$radio/com1" >"$radio/config.ini"
start_program "$radio"
# "Запись параметров" on the tool bar, the last of its buttons.
xdotool mousemove --window "$main_window" 170 33 click 1
# A window of the program titled "Запись" other than `except`, waited for up to `tries` x 50 ms.
window_titled_write() { # tries except
  local w
  for _ in $(seq "$1"); do
    w=$(wmctrl -lp | awk -v p="$app_pid" '$3 == p && $NF == "Запись" {print $1}' | grep -v "^$2$" | head -1)
    [ -n "$w" ] && { echo "$w"; return; }
    sleep 0.05
  done
}
owned_by_main() { # window id
  local owner
  owner=$(xprop -id "$1" WM_TRANSIENT_FOR | awk '{print $NF}')
  [ -n "$owner" ] && [ "$((owner))" -eq "$((main_window))" ]
}
progress=$(window_titled_write 100 none)
check "the write shows its progress window" test -n "$progress"
if [ -n "$progress" ]; then
  check "progress window transient for the main window" owned_by_main "$progress"
  # Its frame centred on the main window's frame.
  read -r mx my mw mh < <(frame_of "$main_window")
  read -r px py pw ph < <(frame_of "$progress")
  check "progress window centred on the main frame" \
    test $((px + pw / 2 - mx - mw / 2)) -ge -1 -a $((px + pw / 2 - mx - mw / 2)) -le 1 \
      -a $((py + ph / 2 - my - mh / 2)) -ge -1 -a $((py + ph / 2 - my - mh / 2)) -le 1
fi
# The success message at the end belongs to the main window as well.
done_box=$(window_titled_write 300 "${progress:-none}")
check "the write ends with its message" test -n "$done_box"
[ -n "$done_box" ] && check "message box transient for the main window" owned_by_main "$done_box"
kill "$app_pid" 2>/dev/null
wait "$app_pid" 2>/dev/null

echo "desktop: $passed passed, $failures failed"
[ "$failures" -eq 0 ]
