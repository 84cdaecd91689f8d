#!/usr/bin/env bash
# make bench: how fast each program shows its window under Wine, measured
# against Wine's own notepad started the same way; how big each program file
# is; how many instructions the longest solution of each calculator costs.
# Prints the tables and writes them to docs/benchmarks.md.
#
# A benchmark, not a test: timings depend on the machine and its load, so
# nothing here passes or fails on a figure. It stops with an error only when
# it cannot measure at all.
#
#   BENCH_RUNS       measured starts of each program and of notepad (11)
#   BENCH_SETTLE_MS  how long a window must stay unchanged to count as
#                    complete (750)
#   BENCH_POLL_MS    pause between two captures (5)
#   BENCH_ONLY       program files to measure, such as "Zeraz Trigona" (all);
#                    a partial run prints its tables and leaves the document
#   BENCH_FRAMES     a folder that receives the pictures of each program's
#                    last start (none)
#
# Trigona is also timed on a screen at 150 % (144 DPI), in a prefix of that
# DPI, against notepad started there.
set -euo pipefail
export LC_ALL=C
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
runs=${BENCH_RUNS:-11}
settle_ms=${BENCH_SETTLE_MS:-750}
poll_ms=${BENCH_POLL_MS:-5}
doc="$root/docs/benchmarks.md"

# A prefix of its own: a test run on the build's prefix ends its wineserver
# with `wineserver -k`, which would take the benchmark's programs with it,
# and the programs' stored choices stay out of the tests' registry.
arch_suffix=$([ "${PROLEXA_WINE_ARCH:-win32}" != win64 ] || echo 64)
export PROLEXA_WINEPREFIX="${PROLEXA_WINEPREFIX:-$root/build/wineprefix$arch_suffix-bench}"
source "$here/wine-env.sh"
"$here/wine-prefix.sh"
# The same prefix at 144 DPI, a copy with its own server (tools/wine-env.sh).
scaled_dpi=144
scaled_prefix=$(PROLEXA_WINE_DPI=$scaled_dpi && source "$here/wine-env.sh" && echo "$WINEPREFIX")
PROLEXA_WINE_DPI=$scaled_dpi "$here/wine-prefix.sh"
bin="$root/build/windows$arch_suffix/bin"
shipped="$root/build/windows/bin"
solve="$root/build/host/tools/solve/prolexa-solve"
[ -x "$bin/Zeruraruri.exe" ] || { echo "bench: no programs in $bin" >&2; exit 1; }
[ -x "$solve" ] || { echo "bench: $solve is missing (make host)" >&2; exit 1; }

# Program file, window title and name for prolexa-solve; the inputs of each
# calculator's longest solution are those the instruction budget holds
# (tools/solve/worst-cases.txt).
programs=(
  "Zeruraruri|Prolexa|-"
  "Trigona|Trigona|trigona"
  "Radixa|Radixa|radixa"
  "Redero|Ruzezi|rezeze"
  "Dromika|Dromika|dromika"
  "Zazozarozovuz|Zazozarozovuz|zazozarozovuz"
  "Zeraz|Zeraz|zeraz"
  "Mernika|Mernika|mernika"
)
if [ -n "${BENCH_ONLY:-}" ]; then
  chosen=()
  for p in "${programs[@]}"; do
    [[ " $BENCH_ONLY " == *" ${p%%|*} "* ]] && chosen+=("$p")
  done
  [ ${#chosen[@]} -gt 0 ] || { echo "bench: none of $BENCH_ONLY is a program" >&2; exit 1; }
  programs=("${chosen[@]}")
fi
worst_cases="$root/tools/solve/worst-cases.txt"
worst_inputs() { awk -v name="$1" '$1 == name { $1 = ""; sub(/^ /, ""); print; exit }' "$worst_cases"; }
notepad_title="Untitled - Notepad"
notepad_dir="$WINEPREFIX/drive_c/windows/system32"
scaled_notepad_dir="$scaled_prefix/drive_c/windows/system32"
# The programs timed at 144 DPI as well: those of the run among these.
scaled=()
for p in "${programs[@]}"; do
  [ "${p%%|*}" != Trigona ] || scaled+=("$p")
done
size_limit=307200
# The launcher carries its skin at two sizes.
launcher_size_limit=460800
instruction_limit=50000

work=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
xvfb=""
cleanup() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  WINEPREFIX=$scaled_prefix wineserver -k </dev/null >/dev/null 2>&1 || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb keeps its screen in a memory-mapped file: reading that file is a
# capture of the screen that costs a file comparison, far less than asking
# the X server for the window's pixels (see the import timing below). It
# draws no pointer: the pointer cannot be moved aside on Xvfb, its shape
# changing over a window would count as a frame, and after a window is gone
# its old shape stays on the screen for about a second.
mkdir -p "$work/fb"
fifo="$work/display"
mkfifo "$fifo"
setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -nocursor -fbdir "$work/fb" \
  3>"$fifo" </dev/null >/dev/null 2>&1 &
xvfb=$!
display=$(timeout 10 head -n1 "$fifo" || true)
[ -n "$display" ] || { echo "bench: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"
fb="$work/fb/Xvfb_screen0"
# One server for the whole run, so that no start pays for starting Wine;
# one for each prefix.
for prefix in "$WINEPREFIX" "$scaled_prefix"; do
  WINEPREFIX=$prefix wineserver -p </dev/null >/dev/null 2>&1
  WINEPREFIX=$prefix "$PROLEXA_WINE" cmd /c exit </dev/null >/dev/null 2>&1 || true
done
sleep 0.5
cp "$fb" "$work/background"

exec {nap}<> <(:)  # `read -t` on it sleeps without starting a process
now() { local t=$EPOCHREALTIME; echo $((10#${t//[.,]/})); }

# measure DIR EXE TITLE: starts the program, captures the screen until no
# new picture has come for the settle period, kills the program and prints
#   FIRST_US COMPLETE_US FRAMES POLLS LOOP_US
# (times since the start; "- - - POLLS LOOP_US" when no window came).
# A picture counts as new when it was not on the screen before in this run,
# so a blinking caret, which only flips between two pictures, cannot keep
# the window from settling.
measure() {
  local dir=$1 exe=$2 title=$3
  local settle_us=$((settle_ms * 1000)) poll_s
  poll_s=$(printf '0.%03d' "$poll_ms")
  rm -rf "$work/frames"
  mkdir "$work/frames"
  : >"$work/log"
  local -A seen=()
  local last="$work/background" n=0 polls=0 hash t t0 last_new=0 pid
  hash=$(md5sum <"$work/background")
  seen[${hash%% *}]=1
  t0=$(now)
  (cd "$dir" && exec "$PROLEXA_WINE" "$exe") </dev/null >/dev/null 2>&1 &
  pid=$!
  while :; do
    polls=$((polls + 1))
    t=$EPOCHREALTIME
    t=$((10#${t//[.,]/}))
    if ! cmp -s "$fb" "$last"; then
      cp "$fb" "$work/next"
      hash=$(md5sum <"$work/next")
      hash=${hash%% *}
      if [ -z "${seen[$hash]:-}" ]; then
        seen[$hash]=1
        n=$((n + 1))
        mv "$work/next" "$work/frames/$n"
        last="$work/frames/$n"
        echo "$n $((t - t0))" >>"$work/log"
        last_new=$t
      else
        mv "$work/next" "$work/seen"
        last="$work/seen"
      fi
    fi
    ((last_new > 0 && t - last_new >= settle_us)) && break
    ((t - t0 >= 30000000)) && break
    read -r -t "$poll_s" -u "$nap" || true
  done
  local loop_us=$(($(now) - t0))

  local id x y w h
  id=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -1 || true)
  if [ -n "$id" ]; then
    read -r x y w h < <(xdotool getwindowgeometry --shell "$id" |
      awk -F= '{v[$1]=$2} END {print v["X"], v["Y"], v["WIDTH"], v["HEIGHT"]}')
    [ -z "${IMPORT_TIMING:-}" ] || time_import "$id"
  fi
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if [ -z "$id" ]; then
    echo "- - - $polls $loop_us"
  else
    analyse "${w}x$h+$x+$y" "$polls" "$loop_us"
  fi
  # The next start begins on an empty screen.
  for _ in $(seq 250); do
    cmp -s "$fb" "$work/background" && return 0
    sleep 0.02
  done
  echo "bench: $title left something on the screen" >&2
}

# analyse GEOMETRY POLLS LOOP_US: reads the new pictures of the window's
# area in order. First paint is the first picture in which the area is not
# one colour. Every picture that differs from the one before counts as a
# frame, except a change no wider than two pixels and no taller than a line
# of text (a caret blinking on or off); complete is the time of the last
# frame.
analyse() {
  local area=$1 polls=$2 loop_us=$3 i t colours change max cw ch first=- complete=- frames=0
  convert "xwd:$work/background" -crop "$area" +repage "ppm:$work/prev.ppm"
  while read -r i t; do
    colours=$(convert "xwd:$work/frames/$i" -crop "$area" +repage -write "ppm:$work/cur.ppm" \
      -format '%k' info:)
    change=$(convert "$work/prev.ppm" "$work/cur.ppm" -compose difference -composite \
      -format '%[max] ' -write info: -trim -format '%w %h' info: 2>/dev/null)
    mv "$work/cur.ppm" "$work/prev.ppm"
    read -r max cw ch <<<"$change"
    [ "$max" != 0 ] || continue
    ((cw <= 2 && ch <= 24)) && continue
    frames=$((frames + 1))
    complete=$t
    [ "$first" != - ] || [ "$colours" -le 1 ] || first=$t
  done <"$work/log"
  echo "$first $complete $frames $polls $loop_us"
}

# How long ImageMagick takes to capture one window, for the document.
time_import() {
  local t0 t1
  t0=$(now)
  for _ in 1 2 3 4 5; do import -window "$1" rgb:- >/dev/null; done
  t1=$(now)
  import_ms=$(((t1 - t0) / 5000))
}

# stats DIVISOR DECIMALS: median, minimum and maximum of the numbers on
# stdin ("-" left out), each divided by DIVISOR: "MED MIN MAX", or "- - -".
stats() {
  { grep -v '^-$' || true; } | sort -n | awk -v d="$1" -v p="$2" '
    { v[NR] = $1 / d }
    END {
      if (NR == 0) { print "- - -"; exit }
      med = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      f = "%." p "f"
      printf f " " f " " f "\n", med, v[1], v[NR]
    }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "-" || b == "-" || b == 0) print "-"; else printf "%.2f\n", a / b }'; }
thousands() { sed ':a;s/\B[0-9]\{3\}\>/,&/;ta' <<<"$1"; }

started=$(now)
echo "bench: warming up (one start of notepad and of each program)"
import_ms=-
IMPORT_TIMING=1 measure "$notepad_dir" notepad "$notepad_title" >/dev/null
for p in "${programs[@]}"; do
  IFS='|' read -r exe title _ <<<"$p"
  measure "$bin" "$exe.exe" "$title" >/dev/null
done
# A start in the scaled prefix: the variables given before a function call
# hold for the programs it starts.
at_scaled() { WINEPREFIX=$scaled_prefix "$@"; }
if [ ${#scaled[@]} -gt 0 ]; then
  at_scaled measure "$scaled_notepad_dir" notepad "$notepad_title" >/dev/null
fi
for p in "${scaled[@]}"; do
  IFS='|' read -r exe title _ <<<"$p"
  at_scaled measure "$bin" "$exe.exe" "$title" >/dev/null
done

results="$work/results"
: >"$results"
for p in "${programs[@]}"; do
  IFS='|' read -r exe title _ <<<"$p"
  echo "bench: $exe, $runs starts against notepad"
  for _ in $(seq "$runs"); do
    echo "$exe program $(measure "$bin" "$exe.exe" "$title")" >>"$results"
    echo "$exe notepad $(measure "$notepad_dir" notepad "$notepad_title")" >>"$results"
  done
  if [ -n "${BENCH_FRAMES:-}" ]; then
    mkdir -p "$BENCH_FRAMES/$exe"
    measure "$bin" "$exe.exe" "$title" >/dev/null
    for f in "$work/frames"/*; do
      [ -e "$f" ] && convert "xwd:$f" "$BENCH_FRAMES/$exe/frame-$(basename "$f").png"
    done
    cp "$work/log" "$BENCH_FRAMES/$exe/times.txt"
  fi
done
for p in "${scaled[@]}"; do
  IFS='|' read -r exe title _ <<<"$p"
  echo "bench: $exe at $scaled_dpi DPI, $runs starts against notepad there"
  for _ in $(seq "$runs"); do
    echo "$exe@$scaled_dpi program $(at_scaled measure "$bin" "$exe.exe" "$title")" >>"$results"
    echo "$exe@$scaled_dpi notepad $(at_scaled measure "$scaled_notepad_dir" notepad "$notepad_title")" >>"$results"
  done
done

# field EXE ROLE N: field N of every run of one program ("program") or of
# the notepad starts that followed it ("notepad").
field() { awk -v e="$1" -v r="$2" -v f="$3" '$1 == e && $2 == r { print $f }' "$results"; }
cell() { [ "$1" = - ] && echo "-" || echo "$1 ($2–$3)"; }

timing_table="$work/timing"
size_table="$work/size"
{
  echo "| program | runs | first paint, ms | notepad, ms | ratio | complete, ms | notepad, ms | ratio | frames |"
  echo "|---|---|---|---|---|---|---|---|---|"
} >"$timing_table"
{
  if [ "$bin" != "$shipped" ]; then
    echo "| program | size, bytes (32-bit, shipped) | within budget | size, bytes (64-bit, timed) | worst solution: lines | instructions | ≤ 50,000 |"
    echo "|---|---|---|---|---|---|---|"
  else
    echo "| program | size, bytes | within budget | worst solution: lines | instructions | ≤ 50,000 |"
    echo "|---|---|---|---|---|---|"
  fi
} >"$size_table"
have_valgrind=$(command -v valgrind >/dev/null && echo yes || echo no)

# timing_row KEY LABEL: the timing table's row of the runs kept as KEY.
timing_row() {
  local key=$1 label=$2 ok fp fp_lo fp_hi np np_lo np_hi cp cp_lo cp_hi nc nc_lo nc_hi
  local fr fr_lo fr_hi frames
  ok=$(field "$key" program 3 | grep -vc '^-$' || true)
  read -r fp fp_lo fp_hi < <(field "$key" program 3 | stats 1000 0)
  read -r np np_lo np_hi < <(field "$key" notepad 3 | stats 1000 0)
  read -r cp cp_lo cp_hi < <(field "$key" program 4 | stats 1000 0)
  read -r nc nc_lo nc_hi < <(field "$key" notepad 4 | stats 1000 0)
  read -r fr fr_lo fr_hi < <(field "$key" program 5 | stats 1 0)
  if [ "$fr" = - ] || [ "$fr_lo" = "$fr_hi" ]; then
    frames=$fr
  else
    frames="$fr ($fr_lo–$fr_hi)"
  fi
  echo "| $label | $ok/$runs | $(cell "$fp" "$fp_lo" "$fp_hi") | $(cell "$np" "$np_lo" "$np_hi") | $(ratio "$fp" "$np") | $(cell "$cp" "$cp_lo" "$cp_hi") | $(cell "$nc" "$nc_lo" "$nc_hi") | $(ratio "$cp" "$nc") | $frames |" >>"$timing_table"
}

for p in "${programs[@]}"; do
  IFS='|' read -r exe title name <<<"$p"
  inputs=$(worst_inputs "$name")
  label=$([ "$exe" = "$title" ] && echo "$exe" || echo "$exe ($title)")
  timing_row "$exe" "$label"
  for q in "${scaled[@]}"; do
    [ "${q%%|*}" != "$exe" ] || timing_row "$exe@$scaled_dpi" "$label at $scaled_dpi DPI"
  done

  if [ -f "$shipped/$exe.exe" ]; then
    size=$(stat -c %s "$shipped/$exe.exe")
    limit=$([ "$exe" = Zeruraruri ] && echo "$launcher_size_limit" || echo "$size_limit")
    fits=$([ "$size" -le "$limit" ] && echo yes || echo no)
    size=$(thousands "$size")
  else
    size="not built"
    fits="-"
  fi
  timed_size=$(thousands "$(stat -c %s "$bin/$exe.exe")")
  lines="-"
  count="-"
  fits_count="-"
  if [ "$name" != - ]; then
    read -ra args <<<"$inputs"
    lines=$("$solve" "$name" "${args[@]}" | grep -c '^line' || true)
    "$solve" "$name" "${args[@]}" >/dev/null || lines="refused"
    if [ "$have_valgrind" = yes ]; then
      count=$(LD_BIND_NOW=1 valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" \
        --toggle-collect='prolexa::Solve(*' "$solve" "$name" "${args[@]}" 2>&1 >/dev/null |
        sed -n 's/.*Collected : //p' || true)
      if [ -n "$count" ]; then
        fits_count=$([ "$count" -le "$instruction_limit" ] && echo yes || echo no)
        count=$(thousands "$count")
      else
        count="callgrind failed"
      fi
    else
      count="valgrind not installed"
    fi
  fi
  if [ "$bin" != "$shipped" ]; then
    echo "| $label | $size | $fits | $timed_size | $lines | $count | $fits_count |" >>"$size_table"
  else
    echo "| $label | $size | $fits | $lines | $count | $fits_count |" >>"$size_table"
  fi
done

# The mean time between two captures in each run.
read -r poll_med poll_lo poll_hi < <(awk '$6 > 0 { print $7 / $6 }' "$results" | stats 1000 1)
elapsed=$((($(now) - started) / 1000000))
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)
cores=$(nproc)
kernel=$(uname -r)
wine_version=$("$PROLEXA_WINE" --version 2>/dev/null || echo unknown)
commit=$(git -C "$root" rev-parse --short HEAD 2>/dev/null || echo unknown)
# Which tracked files differ from the commit, so that a reader can tell
# whether the timed programs are the commit's.
changed=$(git -C "$root" status --porcelain --untracked-files=no 2>/dev/null | cut -c4- || true)
dirty=""
if [ -n "$changed" ]; then
  if [ "$(wc -l <<<"$changed")" -le 5 ]; then
    dirty=", with uncommitted changes to $(paste -sd, <<<"$changed" | sed 's/,/, /g')"
  else
    dirty=", with uncommitted changes to $(wc -l <<<"$changed") files"
  fi
fi
build_name=$([ "$bin" = "$shipped" ] && echo "32-bit build" ||
  echo "64-bit build (this machine runs no 32-bit programs)")

[ -z "${BENCH_ONLY:-}" ] || { cat "$timing_table"; echo; cat "$size_table"; exit 0; }
{
  cat <<EOF
# Benchmarks

Written by \`make bench\` (\`tools/bench.sh\`); every run overwrites this file. A benchmark, not
a test: the figures depend on the machine and on what else it was doing.

- Date: $(date '+%Y-%m-%d %H:%M %Z')
- Machine: $cpu, $cores cores, Linux $kernel, $wine_version
- Programs timed: the $build_name, from commit $commit$dirty
- Runs: $runs starts of each program, each followed by a start of notepad; settle period
  $settle_ms ms; whole run $elapsed s

## Start-up under Wine

$(cat "$timing_table")

- **first paint**: from starting the program to the first capture in which its window's area
  is not one colour. Median over the runs, minimum–maximum in parentheses.
- **complete**: from starting the program to the last capture that changed the window's area,
  once no new picture has come for $settle_ms ms (the settle period itself is not counted).
- **notepad**: Wine's own notepad (window "$notepad_title"), started the same way, each
  start right after one of the program's, so that both see the same machine.
- **ratio**: the program's median over notepad's median; below 1 the program is faster.
- **frames**: how many different pictures the window's area showed until complete (median,
  range). A window that appears whole shows one or two.
- **runs**: starts whose window appeared and settled; only those count.
- **at $scaled_dpi DPI**: the program on a screen at 150 %, in a copy of the benchmark's prefix
  with \`LogPixels\` $scaled_dpi and a server of its own, on the same display; its notepad
  starts run in that prefix too.

Method. One Xvfb display (1024×768, 24 bits) and one wineserver (\`wineserver -p\`) serve the
whole run, in a prefix of the benchmark's own, and one unmeasured start of notepad and of
each program comes first, so that no measured start pays for Wine's or the prefix's own
start-up or for a cold disk cache. Each start is timed from just before the program is
started from its own folder (\`$(basename "$PROLEXA_WINE") Trigona.exe\`, \`$(basename "$PROLEXA_WINE") notepad\`
from \`system32\`) until its window has settled; then the program is killed and the next
start waits until the screen is empty again. Xvfb draws no pointer (\`-nocursor\`): the
pointer stays in the middle of the screen, where \`xdotool mousemove\` cannot move it on Xvfb,
and a drawn pointer changing its shape over the window would count as a frame.

Captures. Xvfb keeps its screen in a memory-mapped file (\`-fbdir\`); a capture compares that
file with the previous capture (\`cmp\`) and keeps a copy only when it changed, so nothing is
decoded while the program starts. Captures came every $poll_med ms (median; $poll_lo–$poll_hi ms
over the runs, a pause of $poll_ms ms included), which is the resolution of both times: a
change is seen at the first capture after it. Asking the X server for the window
(\`import -window ID\`) took $import_ms ms a capture here. After the run the kept screens are
cut to the window's area (its geometry from \`xdotool search --onlyvisible --name '^TITLE\$'\`,
which also proves the right window came). A picture already seen in the run does not end the
settle period, and a change at most two pixels wide and a text line high (a caret blinking)
is no frame: a window with a focused field would otherwise never be complete.

## Size and instructions

$(cat "$size_table")

- **size**: the program file in bytes; **within budget**: at most 307,200 bytes (300 KB) for a
  calculator, 460,800 (450 KB) for the launcher, whose skin comes at two sizes.
- **worst solution**: the calculator's costliest solution (\`tools/solve/worst-cases.txt\`), given to
  \`prolexa-solve\`; **lines**: its formula lines.
- **instructions**: instructions executed by \`prolexa::Solve\`, everything a window computes
  for one solution (check, drawing steps, layout), counted by callgrind on the host build with
  every library symbol bound at start (a lazy lookup on a function's first call belongs to the
  process start):
  \`LD_BIND_NOW=1 valgrind --tool=callgrind --toggle-collect='prolexa::Solve(*' build/host/tools/solve/prolexa-solve PROGRAM INPUTS\`.
  \`make test\` holds the same cases to the budget (\`tools/check-instructions.sh\`).
  **≤ 50,000**: whether that count stays within 50,000.

The worst solutions:

| program | inputs |
|---|---|
EOF
  for p in "${programs[@]}"; do
    IFS='|' read -r exe _ name <<<"$p"
    inputs=$(worst_inputs "$name")
    [ "$name" = - ] || echo "| $exe | \`$name $inputs\` |"
  done
} >"$doc"

cat "$timing_table"
echo
cat "$size_table"
echo
echo "bench: $elapsed s; written to docs/benchmarks.md"
