#!/usr/bin/env bash
# Takes the README's screenshots of the programs on a virtual display:
# starts each program, types an example with xdotool and captures the window.
# Fails when a message box is open at a capture: the example was refused,
# and the picture would show the message instead of what its caption says.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root="$here/.."
out="$root/docs"
# The display the caller's tests draw on, so that parallel runs do not meet.
display=${PROLEXA_TEST_DISPLAY:-89}
source "$here/wine-env.sh"
"$here/wine-prefix.sh"
bin="$root/build/windows$([ "$PROLEXA_WINE_ARCH" != win64 ] || echo 64)/bin"
export DISPLAY=":$display"
setsid Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
sleep 1

# Starts a program (its title, then its file when they differ), waits for
# its window, prints "X Y W H" of the window.
start() {
  (cd "$bin" && setsid "$PROLEXA_WINE" "${2:-$1}.exe" </dev/null >/dev/null 2>&1 &)
  local id=""
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [ -n "$id" ] && break
    sleep 0.1
  done
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$id")"
  # Wine draws the frame itself: a 3-pixel border and a 19-pixel caption.
  echo "$X $Y $WIDTH $HEIGHT"
}

click() { xdotool mousemove "$(( ox + $1 ))" "$(( oy + $2 ))" click 1; sleep 0.2; }
type_into() { click "$1" "$2"; xdotool type --delay 80 "$3"; sleep 0.2; }
# Captures a part of the screen (FILE W H X Y) unless a message box of the
# programs ("Chyba" for an error, "Upozornenie" for a warning) is open.
shoot() {
  local box
  for box in Chyba Upozornenie; do
    if xdotool search --onlyvisible --name "^$box\$" >/dev/null 2>&1; then
      echo "take-screenshots: a message box \"$box\" is open instead of the example" \
        "for $1; nothing more is taken" >&2
      exit 1
    fi
  done
  import -window root -crop "${2}x${3}+${4}+${5}" +repage "$out/$1"
}
capture() { shoot "$1" "$w" "$h" "$wx" "$wy"; }

# The launcher: both pages, and its settings dialog.
read -r wx wy w h < <(start Prolexa Zeruraruri)
ox=$((wx + 3)); oy=$((wy + 22))
# The window is cut to its skin: the frame and caption are not part of it.
skin() { shoot "$1" 725 509 "$ox" "$oy"; }
xdotool mousemove 5 5
sleep 0.5
skin launcher.png
xdotool mousemove "$(( ox + 400 ))" "$(( oy + 300 ))" mousedown 3 mousemove "$(( ox + 300 ))" "$(( oy + 300 ))" mouseup 3
xdotool mousemove 5 5
sleep 0.5
skin launcher-page2.png
xdotool mousemove "$(( ox + 300 ))" "$(( oy + 300 ))" mousedown 3 mousemove "$(( ox + 400 ))" "$(( oy + 300 ))" mouseup 3
click 707 170
sleep 1
read -r dx dy dw dh < <(eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name '^Nastavenia$' | head -1)")"; echo "$X $Y $WIDTH $HEIGHT")
shoot launcher-settings.png "$dw" "$dh" "$dx" "$dy"
xdotool key Escape
sleep 0.5
wineserver -k || true
sleep 0.5

read -r wx wy w h < <(start Trigona)
ox=$((wx + 3)); oy=$((wy + 22))
type_into 120 110 3
type_into 120 137 5
click 50 202
xdotool mousemove 700 700
sleep 0.5
capture trigona.png

click 457 202
sleep 1
read -r dx dy dw dh < <(eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name '^Výuka - Trigona$' | head -1)")"; echo "$X $Y $WIDTH $HEIGHT")
shoot trigona-teaching.png "$dw" "$dh" "$dx" "$dy"
xdotool key Escape
sleep 0.5
wineserver -k || true
sleep 0.5

read -r wx wy w h < <(start Radixa)
ox=$((wx + 3)); oy=$((wy + 22))
type_into 100 87 1
type_into 100 114 2
type_into 100 141 5
click 187 102
xdotool mousemove 20 20
sleep 0.5
capture radixa.png
wineserver -k || true
wineserver -k || true
sleep 0.5

# Ruzezi on the volume of a cylinder: fifteen steps on from the square.
read -r wx wy w h < <(start Ruzezi Redero)
ox=$((wx + 3)); oy=$((wy + 22))
for _ in $(seq 15); do click 585 202; done
type_into 120 87 2
type_into 120 141 5
click 50 202
xdotool mousemove 20 20
sleep 0.5
capture rezeze.png
wineserver -k || true
sleep 0.5

# Dromika on a catch-up: the second body sets off a second later and faster.
read -r wx wy w h < <(start Dromika)
ox=$((wx + 3)); oy=$((wy + 22))
# A list is chosen as a pupil does: opened with a click, an entry taken
# with the arrow keys and Enter.
choose() { click "$1" "$2"; sleep 0.5; xdotool key --delay 200 $3 Return; sleep 0.8; }
choose 150 85 Down
type_into 110 117 10
type_into 350 117 15
type_into 110 144 1
click 50 207
xdotool mousemove 20 20
sleep 0.5
capture dromika.png
wineserver -k || true
sleep 0.5

# Zazozarozovuz: variations with repetition, the exponent raised.
read -r wx wy w h < <(start Zazozarozovuz)
ox=$((wx + 3)); oy=$((wy + 22))
click 40 126
type_into 260 89 5
type_into 260 121 3
click 225 155
xdotool mousemove 20 20
sleep 0.5
capture zazozarozovuz.png
wineserver -k || true
sleep 0.5

# Zeraz finds the mass of the example it starts with.
read -r wx wy w h < <(start Zeraz)
ox=$((wx + 3)); oy=$((wy + 22))
click 50 274
xdotool mousemove 20 20
sleep 0.5
capture zeraz.png
wineserver -k || true
sleep 0.5

# Mernika: a nanometre in kilometres, the last entry of the target list.
read -r wx wy w h < <(start Mernika)
ox=$((wx + 3)); oy=$((wy + 22))
type_into 140 110 1
click 290 140; sleep 0.5; xdotool key End Return; sleep 0.5
click 197 172
xdotool mousemove 20 20
sleep 0.5
capture mernika.png
wineserver -k || true
echo "screenshots in $out"
