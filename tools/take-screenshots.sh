#!/usr/bin/env bash
# Takes the README's screenshots of the programs on a virtual display:
# starts each program, types an example with xdotool and captures the window.
# Fails when a message box is open at a capture: the example was refused,
# and the picture would show the message instead of what its caption says.
#
# Every picture is taken twice: on a 96-DPI screen (docs/NAME.png) and on a
# screen at 150 %, 144 DPI (docs/NAME-150.png), each in the Wine prefix of
# its DPI. The places clicked are the 96-DPI ones scaled, as the programs
# scale their windows.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root="$here/.."
out="$root/docs"
source "$here/wine-env.sh"
bin="$root/build/windows$([ "$PROLEXA_WINE_ARCH" != win64 ] || echo 64)/bin"
xvfb=""
trap 'wineserver -k 2>/dev/null || true; [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true' EXIT

# A 96-DPI length or place at the pass's DPI, rounded as the programs round.
s() { echo $((($1 * dpi + 48) / 96)); }

# Starts a program (its title, then its file when they differ), waits for
# its window, prints "X Y W H" of the window.
start() {
  (cd "$bin" && setsid "$PROLEXA_WINE" "${2:-$1}.exe" </dev/null >/dev/null 2>&1 &)
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || no_window "$1"
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$id")"
  echo "$X $Y $WIDTH $HEIGHT"
}
no_window() {
  echo "take-screenshots: no window \"$1\" came at $dpi DPI; nothing more is taken" >&2
  exit 1
}
# The client area's corner on the screen, from the window's: Wine draws the
# frame itself, a 3-pixel border, a caption 18 pixels high at 96 DPI and
# scaled with it, and a line under the caption.
client_origin() { ox=$((wx + 3)); oy=$((wy + 4 + $(s 18))); }

click() { xdotool mousemove "$(( ox + $(s "$1") ))" "$(( oy + $(s "$2") ))" click 1; sleep 0.2; }
type_into() { click "$1" "$2"; xdotool type --delay 80 "$3"; sleep 0.2; }
# Moves the pointer off the window, to a 96-DPI place of the screen.
away() { xdotool mousemove "$(s "$1")" "$(s "$2")"; }
# Captures a part of the screen (FILE W H X Y) unless a message box of the
# programs ("Chyba" for an error, "Upozornenie" for a warning) is open.
shoot() {
  local box file="${1%.png}$suffix.png"
  for box in Chyba Upozornenie; do
    if xdotool search --onlyvisible --name "^$box\$" >/dev/null 2>&1; then
      echo "take-screenshots: a message box \"$box\" is open instead of the example" \
        "for $file; nothing more is taken" >&2
      exit 1
    fi
  done
  import -window root -crop "${2}x${3}+${4}+${5}" +repage "$out/$file"
}
capture() { shoot "$1" "$w" "$h" "$wx" "$wy"; }
# The place and size of the one visible window of a title: "X Y W H".
geometry() {
  local id
  id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
  [ -n "$id" ] || no_window "$1"
  eval "$(xdotool getwindowgeometry --shell "$id")"
  echo "$X $Y $WIDTH $HEIGHT"
}

# pass DPI SUFFIX: every picture on a screen of that DPI, the 1024 x 768
# screen as much larger as its pixels are denser, in the prefix of the DPI.
pass() {
  dpi=$1 suffix=$2
  export PROLEXA_WINE_DPI=$dpi
  source "$here/wine-env.sh"
  "$here/wine-prefix.sh"
  # Let the server pick a free display, so that no other run is met.
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  setsid Xvfb -displayfd 3 -screen 0 "$(s 1024)x$(s 768)x24" -nolisten tcp 3>"$fifo" \
    </dev/null >/dev/null 2>&1 &
  xvfb=$!
  DISPLAY=":$(timeout 10 head -n1 "$fifo" || true)"
  rm -f "$fifo"
  [ "$DISPLAY" != : ] || { echo "take-screenshots: Xvfb did not start" >&2; exit 1; }
  export DISPLAY
  shots
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  xvfb=""
}

# The pictures, each program in turn on the pass's display.
shots() {
  # The launcher: both pages, and its settings dialog.
  read -r wx wy w h < <(start Prolexa Zeruraruri)
  client_origin
  # The window is cut to its skin: the frame and caption are not part of it.
  skin() { shoot "$1" "$(s 725)" "$(s 509)" "$ox" "$oy"; }
  away 5 5
  sleep 0.5
  skin launcher.png
  # A right-button drag from one 96-DPI place of the window to another.
  drag() {
    xdotool mousemove "$(( ox + $(s "$1") ))" "$(( oy + $(s 300) ))" mousedown 3 \
      mousemove "$(( ox + $(s "$2") ))" "$(( oy + $(s 300) ))" mouseup 3
  }
  drag 400 300
  away 5 5
  sleep 0.5
  skin launcher-page2.png
  drag 300 400
  click 707 170
  sleep 1
  read -r dx dy dw dh < <(geometry Nastavenia)
  shoot launcher-settings.png "$dw" "$dh" "$dx" "$dy"
  xdotool key Escape
  sleep 0.5
  wineserver -k || true
  sleep 0.5

  read -r wx wy w h < <(start Trigona)
  client_origin
  type_into 120 110 3
  type_into 120 137 5
  click 50 202
  away 700 700
  sleep 0.5
  capture trigona.png

  click 457 202
  sleep 1
  read -r dx dy dw dh < <(geometry 'Výuka - Trigona')
  shoot trigona-teaching.png "$dw" "$dh" "$dx" "$dy"
  xdotool key Escape
  sleep 0.5
  wineserver -k || true
  sleep 0.5

  read -r wx wy w h < <(start Radixa)
  client_origin
  type_into 100 87 1
  type_into 100 114 2
  type_into 100 141 5
  click 187 102
  away 20 20
  sleep 0.5
  capture radixa.png
  wineserver -k || true
  wineserver -k || true
  sleep 0.5

  # Ruzezi on the volume of a cylinder: fifteen steps on from the square.
  read -r wx wy w h < <(start Ruzezi Redero)
  client_origin
  for _ in $(seq 15); do click 585 202; done
  type_into 120 87 2
  type_into 120 141 5
  click 50 202
  away 20 20
  sleep 0.5
  capture rezeze.png
  wineserver -k || true
  sleep 0.5

  # Dromika on a catch-up: the second body sets off a second later and faster.
  read -r wx wy w h < <(start Dromika)
  client_origin
  # A list is chosen as a pupil does: opened with a click, an entry taken
  # with the arrow keys and Enter.
  choose() { click "$1" "$2"; sleep 0.5; xdotool key --delay 200 $3 Return; sleep 0.8; }
  choose 150 85 Down
  type_into 110 117 10
  type_into 350 117 15
  type_into 110 144 1
  click 50 207
  away 20 20
  sleep 0.5
  capture dromika.png
  wineserver -k || true
  sleep 0.5

  # Zazozarozovuz: variations with repetition, the exponent raised.
  read -r wx wy w h < <(start Zazozarozovuz)
  client_origin
  click 40 126
  type_into 260 89 5
  type_into 260 121 3
  click 225 155
  away 20 20
  sleep 0.5
  capture zazozarozovuz.png
  wineserver -k || true
  sleep 0.5

  # Zeraz finds the mass of the example it starts with.
  read -r wx wy w h < <(start Zeraz)
  client_origin
  click 50 274
  away 20 20
  sleep 0.5
  capture zeraz.png
  wineserver -k || true
  sleep 0.5

  # Mernika: a nanometre in kilometres, the last entry of the target list.
  read -r wx wy w h < <(start Mernika)
  client_origin
  type_into 140 110 1
  click 290 140; sleep 0.5; xdotool key End Return; sleep 0.5
  click 197 172
  away 20 20
  sleep 0.5
  capture mernika.png
  wineserver -k || true
}

pass 96 ""
pass 144 -150
echo "screenshots in $out"
