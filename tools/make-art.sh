#!/usr/bin/env bash
# Draws the icons and bitmaps of the calculators and of the launcher with
# ImageMagick and writes them into <program>/res/. Every picture is drawn here
# from scratch; the outputs are committed, so run this again only after changing
# a picture:
#
#   tools/make-art.sh              # all programs
#   tools/make-art.sh trigona      # one program (trigona, radixa, rezeze,
#                                  # dromika, zazozarozovuz, zeraz, mernika)
#   tools/make-art.sh zeruraruri   # the launcher
#
# Needs: imagemagick (convert), fonts-liberation.
#
# Resources per program (number: file, size in pixels):
#   101 app.ico          48, 32 and 16 px in one icon
#   102 help.bmp         35 x 31, the "?" help icon, drawn on the header band
#   103 help_hover.bmp   35 x 31, the same while the mouse is over it
#   104 band_top.bmp     1 x 65, header band, repeated across the window at y = 0
#   105 band_bottom.bmp  1 x 97, footer band from y = 403 (Trigona), 453
#                        (Radixa, Rezeze), 553 (Dromika), 336 (Zazozarozovuz),
#                        558 (Zeraz) or 336 (Mernika) down to the window's outer
#                        height (500, 550, 650, 433, 655, 433), so it fills the
#                        client area whatever the frame metrics (under Wine the
#                        client area ends 72 rows below the band top: 519 x 475,
#                        744 x 525, 774 x 625, 520 x 408, 719 x 630 and
#                        512 x 408)
#   106 teach.bmp        88 x 104, Trigona only: picture in the teaching dialog
#
# Resources of the launcher Zeruraruri (a skinned window, 725 px wide; the
# places are window coordinates):
#   101 app.ico          48, 32 and 16 px in one icon, the suite's emblem
#   102 banner.bmp       725 x 100 at (0, 0); its last three rows lie under the page
#   103 page2.bmp        725 x 411 at (0, 97), background of the second tile page
#   104 page1.bmp        725 x 411 at (0, 97), background of the first tile page;
#                        tile slots at (27, 120), (27, 216), (27, 312), (27, 408)
#                        and (360, 120), the tabs in the strip x 693..724
#   105 help.bmp         35 x 31 at (682, 45), the "?" help icon on the banner
#   106 help_hover.bmp   the same while the mouse is over it
#   107 tab_settings.bmp 31 x 149 at (694, 100), tab "Nastavenia"; 108 its hover
#   109 tab_about.bmp    31 x 138 at (694, 248), tab "O programe"; 110 its hover
#   111 tab_donation.bmp 32 x 122 at (693, 386), tab "Dotácie"; 112 its hover
#   113 close.bmp        30 x 20 at (680, 0); 114 close_hover.bmp
#   115 minimise.bmp     30 x 20 at (650, 0); 116 minimise_hover.bmp
#   10..25 tile_<program>.bmp and tile_<program>_hover.bmp, 310 x 89 each, in
#                        the order Zazozarozovuz, Radixa, Dromika, Trigona,
#                        Redero, Zoverudir, Zeraz, Mernika
#
# Double-size pictures, for screens of more than 120 DPI: every picture above
# but the icons also comes drawn at twice the size (fonts at twice the point
# size, lines twice as thick, places doubled), as resource number + 1000
# (DOUBLE_ART in kit/res/double_art.h) and file name "<name>@2x":
#   calculators  1102 help@2x.bmp and 1103 help_hover@2x.bmp, 70 x 62;
#                1104 band_top@2x.bmp, 1 x 130; 1105 band_bottom@2x.bmp,
#                1 x 194; 1106 teach@2x.bmp, 176 x 208 (Trigona)
#   launcher     1102 banner@2x.png 1450 x 200, 1103 page2@2x.png and
#                1104 page1@2x.png 1450 x 822, 1105 help@2x.png and 1106
#                help_hover@2x.png 70 x 62, 1107..1112 the tabs (62 x 298,
#                62 x 276, 64 x 244), 1113..1116 close and minimise 60 x 40,
#                1010..1025 the tiles 620 x 178
#
# All bitmaps are BMP3 without alpha: 24-bit in the calculators (Trigona's
# double-size teaching picture in 256 colours, which keeps the program within
# its size budget), 256 colours (run-length encoded where that is smaller) in
# the launcher. The launcher's double-size pictures are PNG files of 256
# colours (resource type PNG): as BMP they would not fit its size budget.

set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
FONTS=/usr/share/fonts/truetype/liberation
SANS_BOLD="$FONTS/LiberationSans-Bold.ttf"
SERIF_BOLD_ITALIC="$FONTS/LiberationSerif-BoldItalic.ttf"
SANS="$FONTS/LiberationSans-Regular.ttf"
SANS_ITALIC="$FONTS/LiberationSans-Italic.ttf"

for f in "$SANS_BOLD" "$SERIF_BOLD_ITALIC" "$SANS" "$SANS_ITALIC"; do
    [[ -r $f ]] || { echo "make-art: missing font $f (install fonts-liberation)" >&2; exit 1; }
done
command -v convert >/dev/null || { echo "make-art: convert not found (install imagemagick)" >&2; exit 1; }

TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

HEADER_HEIGHT=65
FOOTER_HEIGHT=97
HELP_W=35
HELP_H=31
HELP_Y=10          # the help icon is drawn at y = 10, over the header band

# Hover colours are common to the suite, so the help icon reacts alike everywhere.
HOVER_FILL='#f39a1e'
HOVER_RING='#ffd98a'

# The scale the pictures are drawn at: 1 for a 96-DPI screen, 2 for the
# double-size versions that the programs draw on screens of more than 120 DPI.
# Every place, length and font size below is given at 1x and multiplied by X.
X=1

# The file of a calculator's picture at the current scale: $1 = path without
# ".bmp"; the double-size version is "<name>@2x.bmp".
art() {
    if (( X == 1 )); then echo "$1.bmp"; else echo "$1@2x.bmp"; fi
}

# The same for the launcher, whose double-size pictures are PNG files: four
# times the pixels of its large pictures would not fit its size budget as BMP.
zr_art() {
    if (( X == 1 )); then echo "$1.bmp"; else echo "$1@2x.png"; fi
}

# Writes a picture as a PNG of 256 colours without dithering, as the
# launcher's BMPs are, and without the chunks that carry the time of writing
# or colour corrections, so that a second run writes the same bytes and the
# system's decoder gives the pixels as drawn.
# $1 = source image, $2 = target .png
save_png() {
    convert "$1" -alpha off +dither -colors 256 -define png:exclude-chunks=all \
        -define png:compression-level=9 "PNG8:$2"
}

# Writes one of the launcher's pictures at the current scale: $1 = source
# image, $2 = target path without the extension.
save_zr() {
    if (( X == 1 )); then save_bmp_small "$1" "$2.bmp"; else save_png "$1" "$2@2x.png"; fi
}

# Writes a picture as an uncompressed 24-bit BMP3 with no alpha channel.
# $1 = source image, $2 = target .bmp
save_bmp() {
    convert "$1" -alpha off -type TrueColor "BMP3:$2"
}

# Writes one of the launcher's large pictures as small as a plain BMP goes:
# 256 colours without dithering (dots would break the runs), run-length
# encoded unless the plain 8-bit form is smaller (the tabs' turned letters
# make runs of one). Windows and Wine load both forms with LoadBitmap.
# $1 = source image, $2 = target .bmp
save_bmp_small() {
    convert "$1" -alpha off +dither -colors 256 -compress RLE "BMP3:$TMP/small_rle.bmp"
    convert "$1" -alpha off +dither -colors 256 -compress None "BMP3:$TMP/small_raw.bmp"
    if [[ $(stat -c %s "$TMP/small_rle.bmp") -le $(stat -c %s "$TMP/small_raw.bmp") ]]; then
        mv "$TMP/small_rle.bmp" "$2"
    else
        mv "$TMP/small_raw.bmp" "$2"
    fi
}

# Header band, one pixel wide: a soft tint that lightens downwards behind the
# title, a thin accent line and a few white rows before the controls begin.
# $1 = tint, $2 = light tint, $3 = soft line, $4 = accent, $5 = output
make_band_top() {
    local tint=$1 light=$2 soft=$3 accent=$4 out=$5
    convert -size "1x$((54 * X))" "gradient:$tint-$light" \
        \( -size "1x$X" "xc:$soft" \) \
        \( -size "1x$((2 * X))" "xc:$accent" \) \
        \( -size "1x$((8 * X))" xc:white \) \
        -append "$TMP/band_top.png"
    [[ $(identify -format '%h' "$TMP/band_top.png") == "$((HEADER_HEIGHT * X))" ]]
    save_bmp "$TMP/band_top.png" "$out"
}

# Footer band, one pixel wide: the mirror of the header, accent line on top and
# the tint deepening down to a solid strip at the bottom edge. Where the window
# writes text over the band's first rows, the band starts with a fade from
# white and the accent line comes below that text.
# $1 = tint, $2 = light tint, $3 = soft line, $4 = accent,
# $5 = rows of fade before the accent line, $6 = output
make_band_bottom() {
    local tint=$1 light=$2 soft=$3 accent=$4 lead=$5 out=$6
    local fade=()
    if (( lead > 0 )); then
        fade=(-size "1x$((lead * X))" "gradient:white-$light")
    fi
    convert "${fade[@]}" \
        \( -size "1x$((2 * X))" "xc:$accent" \) \
        \( -size "1x$X" "xc:$soft" \) \
        \( -size "1x$(((50 - lead * 2 / 3) * X))" "gradient:$light-$tint" \) \
        \( -size "1x$(((FOOTER_HEIGHT - 53 - lead + lead * 2 / 3) * X))" "xc:$tint" \) \
        -append "$TMP/band_bottom.png"
    [[ $(identify -format '%h' "$TMP/band_bottom.png") == "$((FOOTER_HEIGHT * X))" ]]
    save_bmp "$TMP/band_bottom.png" "$out"
}

# Help icon: a round button with a white "?" on the very rows of the header band
# that it covers, so it blends into the band when copied there.
# $1 = header band png, $2 = disc colour, $3 = ring colour (or none),
# $4 = darker edge colour, $5 = output, $6 = optional "x+y": the icon's place
# on a full-size band picture $1 (without it $1 is one pixel wide and the icon
# sits at y = HELP_Y)
make_help() {
    local band=$1 fill=$2 ring=$3 edge=$4 out=$5 at=${6:-}
    local s=8 w=$((HELP_W * 8)) h=$((HELP_H * 8))
    local size="$((HELP_W * X))x$((HELP_H * X))"
    if [[ -n $at ]]; then
        convert "$band" -crop "$size+$((${at%+*} * X))+$((${at#*+} * X))" +repage "$TMP/help_bg.png"
    else
        convert "$band" -crop "1x$((HELP_H * X))+0+$((HELP_Y * X))" +repage \
            -scale "$size!" "$TMP/help_bg.png"
    fi
    # centre of the disc at (17.5, 15.5) px, radius 13 px, drawn 8 times larger
    local cx=$((175 * s / 10)) cy=$((155 * s / 10)) r=$((13 * s))
    local ring_draw=()
    if [[ $ring != none ]]; then
        ring_draw=(-fill none -stroke "$ring" -strokewidth $((2 * s))
                   -draw "circle $cx,$cy $((cx + r + s)),$cy" -stroke none)
    fi
    convert -size "${w}x${h}" xc:none \
        -fill 'rgba(0,0,0,0.22)' -draw "circle $cx,$((cy + s)) $((cx + r)),$((cy + s))" \
        "${ring_draw[@]}" \
        -fill "$edge" -draw "circle $cx,$cy $((cx + r)),$cy" \
        -fill "$fill" -draw "circle $cx,$cy $((cx + r - s)),$cy" \
        -fill 'rgba(255,255,255,0.28)' \
        -draw "ellipse $cx,$((cy - 6 * s)) $((9 * s)),$((5 * s)) 0,360" \
        -font "$SANS_BOLD" -pointsize $((21 * s)) -fill white -gravity center \
        -annotate "+0+$((s / 2))" '?' \
        -filter Box -resize "$size!" "$TMP/help_fg.png"
    convert "$TMP/help_bg.png" "$TMP/help_fg.png" -composite "$TMP/help.png"
    if [[ $out == *.png ]]; then save_png "$TMP/help.png" "$out"; else save_bmp "$TMP/help.png" "$out"; fi
}

# The header and footer bands and the help icons of a calculator whose
# maker's address stands 37 rows into the footer band: the footer starts
# with a 24-row fade from white, so the address is on its lightest part.
# $1 = res folder, $2 = tint, $3 = light tint, $4 = soft line, $5 = accent,
# $6 = the help icon's dark edge
make_frame() {
    local res=$1 tint=$2 light=$3 soft=$4 accent=$5 edge=$6
    make_band_top "$tint" "$light" "$soft" "$accent" "$(art "$res/band_top")"
    cp "$TMP/band_top.png" "$TMP/frame_band.png"
    make_band_bottom "$tint" "$light" "$soft" "$accent" 24 "$(art "$res/band_bottom")"
    make_help "$TMP/frame_band.png" "$accent" none "$edge" "$(art "$res/help")"
    make_help "$TMP/frame_band.png" "$HOVER_FILL" "$HOVER_RING" '#c96f00' "$(art "$res/help_hover")"
}

# Icon: a rounded tile in the program's colours with a white drawing on it.
# The 48 and 32 px images are scaled from a 256 px drawing, the 16 px image from
# a bolder, simpler drawing so that it stays readable.
# $1 = tile top colour, $2 = tile bottom colour, $3 and $4 = names of arrays
# of -draw arguments on a 256 px canvas (large, small), $5 = output
make_icon() {
    # an icon holds its own sizes: it is made once, with the 1x pictures
    (( X == 1 )) || return 0
    local top=$1 bottom=$2 out=$5
    make_tile "$top" "$bottom" "$3" "$TMP/icon_large.png"
    make_tile "$top" "$bottom" "$4" "$TMP/icon_small.png"
    local size
    for size in 48 32; do
        convert "$TMP/icon_large.png" -filter Box -resize "${size}x${size}" "$TMP/icon$size.png"
    done
    convert "$TMP/icon_small.png" -filter Box -resize 16x16 "$TMP/icon16.png"
    convert "$TMP/icon48.png" "$TMP/icon32.png" "$TMP/icon16.png" "$out"
    # The Linux package's icon theme takes the same two drawings at its own
    # sizes (tools/make-deb.sh), named after the program's folder.
    if [[ -n ${ICON_DRAWINGS:-} ]]; then
        local name
        name=$(basename "$(dirname "$(dirname "$out")")")
        cp "$TMP/icon_large.png" "$ICON_DRAWINGS/$name-large.png"
        cp "$TMP/icon_small.png" "$ICON_DRAWINGS/$name-small.png"
    fi
}

# One 256 px icon picture: $1, $2 = tile colours, $3 = name of the array of
# -draw arguments, $4 = output png
make_tile() {
    local -n drawing=$3
    convert -size 256x256 "gradient:$1-$2" \
        \( -size 256x256 xc:black -fill white -draw 'roundrectangle 0,0 255,255 40,40' \) \
        -alpha off -compose CopyOpacity -composite \
        -compose Over "${drawing[@]}" \
        "$4"
}

# Draw primitives for a thick parabola y = vertex_y - k (x - 128)^2 on a 256 px
# icon, from x = 48 to 208, through (48, $2) and (208, $2): a chain of discs,
# one per half pixel of arc (thick stroked polylines come out broken in
# ImageMagick 6). $1 = vertex y, $2 = y at the ends, $3 = half the thickness
parabola_discs() {
    awk -v vy="$1" -v ey="$2" -v r="$3" 'BEGIN {
        k = (vy - ey) / 6400
        for (x = 48; x <= 208; x += 0.25) {
            y = vy - k * (x - 128) ^ 2
            printf "circle %.2f,%.2f %.2f,%.2f ", x, y, x + r, y
        }
    }'
}

# --------------------------------------------------------------------- Trigona
make_trigona() {
    local res="$ROOT/trigona/res"
    mkdir -p "$res"
    local tint='#c7dcf3' light='#eef5fd' soft='#9dbfe6' accent='#2f6db3'

    make_band_top "$tint" "$light" "$soft" "$accent" "$(art "$res/band_top")"
    cp "$TMP/band_top.png" "$TMP/trigona_band.png"
    make_band_bottom "$tint" "$light" "$soft" "$accent" 0 "$(art "$res/band_bottom")"
    make_help "$TMP/trigona_band.png" "$accent" none '#1f4f87' "$(art "$res/help")"
    make_help "$TMP/trigona_band.png" "$HOVER_FILL" "$HOVER_RING" '#c96f00' "$(art "$res/help_hover")"

    # icon: a right triangle with the right angle marked
    # shellcheck disable=SC2034 # used through make_icon's name reference
    local icon_large=(
        -fill white -stroke none -draw 'polygon 48,44 48,212 216,212'
        -fill none -stroke '#2f6db3' -strokewidth 12 -draw 'polyline 48,170 90,170 90,212'
    )
    # shellcheck disable=SC2034
    local icon_small=(
        -fill white -stroke none -draw 'polygon 32,32 32,224 224,224'
        -fill '#2f6db3' -draw 'rectangle 48,176 79,207'
    )
    make_icon '#5b9be0' '#1f5aa0' icon_large icon_small "$res/app.ico"

    # teaching picture: the right triangle with the squares over its sides,
    # divided into 3 x 3, 4 x 4 and 5 x 5 cells (9 + 16 = 25).
    # Drawn 4 times larger than it is shown; one cell is 8 px, the figure
    # 80 x 88 px.
    local s=$((4 * X))
    # grid point (x, y) in cells, y upwards, right angle at (0, 0)
    px() { echo $(( (4 + ($1 + 3) * 8) * s + s / 2 )); }
    py() { echo $(( (8 + (7 - $2) * 8) * s + s / 2 )); }
    pt() { echo "$(px "$1" "$2"),$(py "$1" "$2")"; }
    local grid=()
    local i
    for i in 1 2; do   # square on a: x -3..0, y 0..3
        grid+=(-draw "line $(pt $((-3 + i)) 0) $(pt $((-3 + i)) 3)"
               -draw "line $(pt -3 "$i") $(pt 0 "$i")")
    done
    for i in 1 2 3; do # square on b: x 0..4, y -4..0
        grid+=(-draw "line $(pt "$i" -4) $(pt "$i" 0)"
               -draw "line $(pt 0 $((-4 + i))) $(pt 4 $((-4 + i)))")
    done
    # square on c: corners B(0,3), A(4,0), (7,4), (3,7); sides split in fifths
    local bx by ax ay dx dy
    bx=$(px 0 3); by=$(py 0 3); ax=$(px 4 0); ay=$(py 4 0)
    dx=$(( $(px 3 7) - bx )); dy=$(( $(py 3 7) - by ))
    for i in 1 2 3 4; do
        local x1=$(( bx + (ax - bx) * i / 5 )) y1=$(( by + (ay - by) * i / 5 ))
        grid+=(-draw "line $x1,$y1 $((x1 + dx)),$((y1 + dy))")
        local x2=$(( bx + dx * i / 5 )) y2=$(( by + dy * i / 5 ))
        grid+=(-draw "line $x2,$y2 $((x2 + ax - bx)),$((y2 + ay - by))")
    done
    convert -size $((88 * s))x$((104 * s)) xc:white \
        -stroke none \
        -fill '#fde2b8' -draw "polygon $(pt -3 0) $(pt 0 0) $(pt 0 3) $(pt -3 3)" \
        -fill '#cfeccd' -draw "polygon $(pt 0 -4) $(pt 4 -4) $(pt 4 0) $(pt 0 0)" \
        -fill '#d6e4fa' -draw "polygon $(pt 0 3) $(pt 4 0) $(pt 7 4) $(pt 3 7)" \
        -stroke '#ffffff' -strokewidth $((s * 3 / 4)) "${grid[@]}" \
        -fill none -strokewidth $s \
        -stroke '#d98a1c' -draw "polygon $(pt -3 0) $(pt 0 0) $(pt 0 3) $(pt -3 3)" \
        -stroke '#3f9a4a' -draw "polygon $(pt 0 -4) $(pt 4 -4) $(pt 4 0) $(pt 0 0)" \
        -stroke '#3d72c4' -draw "polygon $(pt 0 3) $(pt 4 0) $(pt 7 4) $(pt 3 7)" \
        -stroke none -fill '#2f6db3' -draw "polygon $(pt 0 0) $(pt 4 0) $(pt 0 3)" \
        -stroke white -strokewidth $s -fill none \
        -draw "polyline $(( $(px 0 0) + 6 * s )),$(py 0 0) $(( $(px 0 0) + 6 * s )),$(( $(py 0 0) - 6 * s )) $(px 0 0),$(( $(py 0 0) - 6 * s ))" \
        -stroke none -font "$SERIF_BOLD_ITALIC" -pointsize $((16 * s)) -gravity Center \
        -fill '#8a4f00' -annotate "-$((28 * s))+$((0 * s))" 'a' \
        -fill '#236b2c' -annotate "+$((0 * s))+$((28 * s))" 'b' \
        -fill '#1f4f9a' -annotate "+$((12 * s))-$((16 * s))" 'c' \
        -filter Box -resize "$((88 * X))x$((104 * X))!" "$TMP/teach.png"
    if (( X == 1 )); then
        save_bmp "$TMP/teach.png" "$res/teach.bmp"
    else
        # 256 colours hold the flat fills and their edges, and keep Trigona
        # within its size budget
        save_bmp_small "$TMP/teach.png" "$(art "$res/teach")"
    fi
}

# ---------------------------------------------------------------------- Radixa
make_radixa() {
    local res="$ROOT/radixa/res"
    mkdir -p "$res"
    local tint='#c9ead2' light='#effaf2' soft='#9fd3ad' accent='#2e8a4d'

    make_frame "$res" "$tint" "$light" "$soft" "$accent" '#1d6136'

    # icon: a parabola crossing its axis at the two roots
    # shellcheck disable=SC2034 # used through make_icon's name reference
    local icon_large=(
        -fill none -stroke 'rgba(255,255,255,0.6)' -strokewidth 8
        -draw 'line 28,150 228,150' -draw 'line 128,30 128,226'
        -stroke none -fill white -draw "$(parabola_discs 204 44 10)"
        -fill '#ffd24d'
        -draw 'circle 83,150 83,167' -draw 'circle 173,150 173,167'
    )
    # shellcheck disable=SC2034
    local icon_small=(
        -fill none -stroke 'rgba(255,255,255,0.6)' -strokewidth 16 -draw 'line 16,152 240,152'
        -stroke none -fill white -draw "$(parabola_discs 208 40 16)"
    )
    make_icon '#5cc47c' '#1f7a40' icon_large icon_small "$res/app.ico"
}

# ---------------------------------------------------------------------- Rezeze
# The shapes calculator (program file Redero.exe), 650 px wide, in the violet
# of its launcher tile.
make_rezeze() {
    local res="$ROOT/rezeze/res"
    mkdir -p "$res"
    local tint='#dcd2f3' light='#f4f0fc' soft='#b9a9e6' accent='#6a48b0'

    make_frame "$res" "$tint" "$light" "$soft" "$accent" '#4b3088'

    # icon: a square, a circle and a cube, the figures of the calculator
    # shellcheck disable=SC2034 # used through make_icon's name reference
    local icon_large=(
        -stroke '#4b3088' -strokewidth 7
        -fill white -draw 'rectangle 34,34 112,112'
        -fill '#d7ecfb' -draw 'circle 180,73 180,113'
        -fill white -draw 'rectangle 68,146 152,230'
        -fill '#e6defa' -draw 'polygon 68,146 102,116 186,116 152,146'
        -fill '#c5b5f0' -draw 'polygon 152,146 186,116 186,200 152,230'
    )
    # shellcheck disable=SC2034
    local icon_small=(
        -stroke none
        -fill white -draw 'rectangle 32,32 111,111'
        -fill '#d7ecfb' -draw 'circle 184,72 184,120'
        -fill white -draw 'rectangle 64,160 159,239'
        -fill '#e6defa' -draw 'polygon 64,159 112,128 207,128 159,159'
        -fill '#c5b5f0' -draw 'polygon 160,159 207,128 207,208 160,239'
    )
    make_icon '#9378dc' '#4e3294' icon_large icon_small "$res/app.ico"
}

# --------------------------------------------------------------------- Dromika
# The motion calculator, 780 x 650, in the teal of its launcher tile.
make_dromika() {
    local res="$ROOT/dromika/res"
    mkdir -p "$res"
    local tint='#c8e9e6' light='#eef9f8' soft='#95d0cb' accent='#1f8a87'

    make_frame "$res" "$tint" "$light" "$soft" "$accent" '#14605e'

    # icon: two bodies on a line moving towards each other, each under the
    # arrow of its speed, the colours of the launcher tile's bodies ringed in
    # white
    # shellcheck disable=SC2034 # used through make_icon's name reference
    local icon_large=(
        -stroke none -fill white -draw 'roundrectangle 18,196 238,210 7,7'
        -stroke white -strokewidth 10
        -fill '#3f7fd0' -draw 'circle 66,146 66,184'
        -fill '#e2574c' -draw 'circle 190,146 190,184'
        -stroke none -fill white
        -draw 'rectangle 30,62 96,82' -draw 'polygon 92,38 124,72 92,106'
        -draw 'rectangle 160,62 226,82' -draw 'polygon 164,38 132,72 164,106'
    )
    # at 16 px the arrows are laid on whole pixels (16 units here), the rings
    # only half a pixel wide so that they do not run into the arrows
    # shellcheck disable=SC2034
    local icon_small=(
        -stroke none -fill white -draw 'rectangle 16,224 239,239'
        -draw 'rectangle 16,48 111,63' -draw 'rectangle 80,32 95,79' -draw 'rectangle 64,16 79,95'
        -draw 'rectangle 144,48 239,63' -draw 'rectangle 160,32 175,79' -draw 'rectangle 176,16 191,95'
        -fill '#eaf6ff' -draw 'circle 64,160 64,216' -draw 'circle 192,160 192,216'
        -fill '#3f7fd0' -draw 'circle 64,160 64,208'
        -fill '#e2574c' -draw 'circle 192,160 192,208'
    )
    make_icon '#4cbcb6' '#146b68' icon_large icon_small "$res/app.ico"
}

# --------------------------------------------------------------- Zazozarozovuz
# The combinatorics calculator, 526 x 433, in the magenta of its launcher tile.
make_zazozarozovuz() {
    local res="$ROOT/zazozarozovuz/res"
    mkdir -p "$res"
    local tint='#f3d5e5' light='#fcf1f7' soft='#e3a9c8' accent='#b03a78'

    make_frame "$res" "$tint" "$light" "$soft" "$accent" '#7e2554'

    # icon: the launcher tile's grid of lettered tiles, A B C in every row and
    # column, on the magenta tile; at 16 px the tiles without their letters
    local -a abc=('#e2574c' '#3f7fd0' '#f0b429') letters=(A B C)
    # shellcheck disable=SC2034 # used through make_icon's name reference
    local icon_large=(-stroke white -strokewidth 5)
    # shellcheck disable=SC2034
    local icon_small=(-stroke none)
    local row col k x y
    for row in 0 1 2; do
        for col in 0 1 2; do
            k=$(( (row + col) % 3 )) x=$((25 + col * 74)) y=$((25 + row * 74))
            icon_large+=(-fill "${abc[k]}" -draw "roundrectangle $x,$y $((x + 57)),$((y + 57)) 12,12")
            x=$((16 + col * 80)) y=$((16 + row * 80))
            icon_small+=(-fill "${abc[k]}" -draw "rectangle $x,$y $((x + 63)),$((y + 63))")
        done
    done
    icon_large+=(-stroke none -fill white -font "$SANS_BOLD" -pointsize 46)
    for row in 0 1 2; do
        for col in 0 1 2; do
            k=$(( (row + col) % 3 )) x=$((25 + col * 74)) y=$((25 + row * 74))
            icon_large+=(-draw "text $((x + 13)),$((y + 45)) '${letters[k]}'")
        done
    done
    make_icon '#d2649f' '#86265b' icon_large icon_small "$res/app.ico"
}

# ----------------------------------------------------------------------- Zeraz
# The heat calculator (folder teplo), 725 x 655, in the red of its launcher
# tile.
make_zeraz() {
    local res="$ROOT/teplo/res"
    mkdir -p "$res"
    local tint='#f6d6d0' light='#fdf2f0' soft='#e8a69c' accent='#c0392b'

    make_frame "$res" "$tint" "$light" "$soft" "$accent" '#86251b'

    # icon: the launcher tile's thermometer, white with a red column, and a
    # small flame beside it; at 16 px a bolder thermometer and a plain flame
    # shellcheck disable=SC2034 # used through make_icon's name reference
    local icon_large=(
        -stroke none -fill white
        -draw 'roundrectangle 54,20 114,192 30,30' -draw 'circle 84,196 84,240'
        -fill '#c0392b' -draw 'rectangle 76,76 92,200' -draw 'circle 84,196 84,226'
        -stroke white -strokewidth 9
        -draw 'line 128,44 150,44' -draw 'line 128,76 142,76' -draw 'line 128,108 150,108'
        -draw 'line 128,140 142,140'
        -stroke none -fill '#ffb13b'
        -draw 'path "M 196,240 C 158,236 146,198 168,164 C 178,148 186,128 184,104 C 208,122 226,150 228,178 C 234,170 236,160 234,148 C 250,170 254,204 238,222 C 230,234 214,240 196,240 Z"'
        -fill '#fff3b0'
        -draw 'path "M 200,238 C 180,236 174,214 184,196 C 190,186 196,176 196,164 C 212,178 222,194 222,212 C 222,228 212,238 200,238 Z"'
    )
    # shellcheck disable=SC2034
    local icon_small=(
        -stroke none -fill white
        -draw 'rectangle 48,16 111,159' -draw 'circle 80,176 80,232'
        -fill '#c0392b' -draw 'rectangle 64,64 95,184' -draw 'circle 80,176 80,208'
        -fill '#ffc043'
        -draw 'path "M 192,240 C 150,240 136,200 160,164 C 172,146 184,120 184,88 C 220,124 244,168 240,200 C 238,226 220,240 192,240 Z"'
        -fill '#fff3b0' -draw 'ellipse 194,210 20,26 0,360'
    )
    make_icon '#e36a5c' '#9a271c' icon_large icon_small "$res/app.ico"
}

# --------------------------------------------------------------------- Mernika
# The unit converter, 518 x 433, in the olive gold of its launcher tile.
make_mernika() {
    local res="$ROOT/mernika/res"
    mkdir -p "$res"
    local tint='#eee0b0' light='#fbf7e7' soft='#d9c47c' accent='#8a6d12'

    make_frame "$res" "$tint" "$light" "$soft" "$accent" '#5c4809'

    # icon: the launcher tile's ruler, white with olive marks, under a
    # double arrow; at 16 px the marks on whole pixels
    # shellcheck disable=SC2034 # used through make_icon's name reference
    local icon_large=(
        -stroke none -fill white
        -draw 'rectangle 52,64 204,80' -draw 'polygon 22,72 62,42 62,102' -draw 'polygon 234,72 194,42 194,102'
        -draw 'roundrectangle 18,128 238,212 10,10'
        -stroke '#8a6d12' -strokewidth 8
    )
    local i tx tl
    for i in 0 1 2 3 4 5 6 7 8 9 10; do
        tx=$((38 + i * 18)) tl=22
        (( i % 5 == 0 )) && tl=44
        icon_large+=(-draw "line $tx,128 $tx,$((128 + tl))")
    done
    icon_large+=(-stroke none -fill '#8a6d12' -font "$SANS_BOLD" -pointsize 44 -draw "text 162,202 'cm'")
    # shellcheck disable=SC2034
    local icon_small=(
        -stroke none -fill white
        -draw 'rectangle 16,48 239,79' -draw 'rectangle 32,32 47,95' -draw 'rectangle 48,16 63,111'
        -draw 'rectangle 208,32 223,95' -draw 'rectangle 192,16 207,111'
        -draw 'rectangle 16,144 239,239'
        -fill '#8a6d12'
        -draw 'rectangle 48,144 63,207' -draw 'rectangle 96,144 111,175' -draw 'rectangle 144,144 159,207'
        -draw 'rectangle 192,144 207,175'
    )
    make_icon '#d3b243' '#7d620f' icon_large icon_small "$res/app.ico"
}

# ------------------------------------------------------------------ Zeruraruri
# The launcher: a skinned window 725 px wide, banner on top (y 0..99, its last
# three rows covered by the page), below it one of two tile pages (y 97..507)
# with the tiles of the calculators and three vertical tabs on the right edge.

ZR_TINT='#d8d5f2'      # the suite's colours: indigo
ZR_LIGHT='#f3f2fc'
ZR_SOFT='#b3aee3'
ZR_ACCENT='#4b44a6'
ZR_EDGE='#322c80'
ZR_TEXT='#26224f'
ZR_PAGE='#f6f6fb'      # page body around the tiles
ZR_STRIP='#eceaf8'     # strip under the tabs on the right edge
ZR_MUTED='#6c6994'     # hint text on the pages

# The suite's emblem: four keys of a calculator with + - x = on a 256 px
# canvas, the "=" key in its own colour. $1 = colour of the keys, $2 = colour
# of their signs, $3 = colour of the "=" key, $4 = colour of its sign,
# $5 = name of the array to fill with -draw arguments
zr_emblem() {
    local keys=$1 signs=$2 key4=$3 sign4=$4
    local -n out_draw=$5
    # shellcheck disable=SC2034 # fills the caller's array
    out_draw=(
        -stroke none -fill "$keys"
        -draw 'roundrectangle 36,36 122,122 18,18' -draw 'roundrectangle 134,36 220,122 18,18'
        -draw 'roundrectangle 36,134 122,220 18,18'
        -fill "$key4" -draw 'roundrectangle 134,134 220,220 18,18'
        -fill "$signs"
        -draw 'rectangle 59,73 99,85' -draw 'rectangle 73,59 85,99'
        -draw 'rectangle 157,73 197,85'
        -draw 'polygon 65,163 73,155 93,175 113,155 121,163 101,183 121,203 113,211 93,191 73,211 65,203 85,183'
        -fill "$sign4" -draw 'rectangle 157,162 197,173' -draw 'rectangle 157,182 197,193'
    )
}

# A tile of one calculator, 310 x 89, and its hover picture: a rounded white
# card with a soft shadow on the page colour, the picture in a tinted square on
# the left, the name and a short description, a chevron on the right.
# Shapes are drawn 4 times larger and scaled down; text is drawn at its size.
# $1 = name, $2 = description, $3 = accent colour, $4 = tint of the picture
# square, $5 = name of the array of -draw arguments for the 64 px picture on a
# 256 px canvas, $6 = output without ".bmp" (the hover picture gets "_hover")
zr_tile() {
    local name=$1 desc=$2 accent=$3 tint=$4 out=$6
    local -n picture=$5
    local s=$((4 * X)) w=310 h=89
    convert -size 256x256 xc:none "${picture[@]}" -filter Box -resize "$((64 * X))x$((64 * X))" \
        "$TMP/zr_pic.png"
    local hover card ring border chevron
    for hover in 0 1; do
        if (( hover )); then
            card='#fff6e9' ring="$HOVER_RING" border="$HOVER_FILL" chevron="$HOVER_FILL"
        else
            card=white ring=none border="$ZR_SOFT" chevron="$ZR_SOFT"
        fi
        convert -size $((w * s))x$((h * s)) "xc:$ZR_PAGE" \
            -stroke none -fill 'rgba(50,45,110,0.10)' \
            -draw "roundrectangle $((2 * s)),$((3 * s)) $((w * s - 1)),$((h * s - 1)) $((11 * s)),$((11 * s))" \
            -fill "$ring" -draw "roundrectangle 0,0 $(((w - 2) * s - 1)),$(((h - 2) * s - 1)) $((12 * s)),$((12 * s))" \
            -fill "$border" \
            -draw "roundrectangle $((1 * s)),$((1 * s)) $(((w - 3) * s - 1)),$(((h - 3) * s - 1)) $((11 * s)),$((11 * s))" \
            -fill "$card" \
            -draw "roundrectangle $((1 * s + s * (1 + hover))),$((1 * s + s * (1 + hover))) $(((w - 3 - 1 - hover) * s - 1)),$(((h - 3 - 1 - hover) * s - 1)) $(((10 - hover) * s)),$(((10 - hover) * s))" \
            -fill "$tint" -draw "roundrectangle $((9 * s)),$((8 * s)) $((81 * s - 1)),$((80 * s - 1)) $((9 * s)),$((9 * s))" \
            -fill none -stroke "$chevron" -strokewidth $((3 * s)) \
            -draw "polyline $((288 * s)),$((34 * s)) $((296 * s)),$((43 * s)) $((288 * s)),$((52 * s))" \
            -filter Box -resize "$((w * X))x$((h * X))!" \
            "$TMP/zr_pic.png" -geometry "+$((13 * X))+$((12 * X))" -composite \
            -stroke none -font "$SANS_BOLD" -pointsize $((25 * X)) -fill "$accent" \
            -annotate "+$((94 * X))+$((41 * X))" "$name" \
            -font "$SANS" -pointsize $((14 * X)) -fill '#4a4860' \
            -annotate "+$((95 * X))+$((64 * X))" "$desc" \
            "$TMP/zr_tile.png"
        if (( hover )); then
            save_zr "$TMP/zr_tile.png" "${out}_hover"
        else
            save_zr "$TMP/zr_tile.png" "$out"
        fi
    done
}

# A vertical tab on the right edge, w x h, and its hover picture: rounded on
# the left, open to the window's edge on the right, the text reading from the
# bottom up. $1 = text, $2 = width, $3 = height, $4 = shift of the text up from
# the middle, $5 = output without ".bmp"
zr_tab() {
    local text=$1 w=$2 h=$3 up=$4 out=$5
    local s=$((4 * X)) hover fill1 fill2 border ink
    local size="$((w * X))x$((h * X))"
    for hover in 0 1; do
        if (( hover )); then
            fill1='#ffe9c2' fill2='#f8b95e' border="$HOVER_FILL" ink='#4a2800'
        else
            fill1=white fill2="$ZR_TINT" border="$ZR_SOFT" ink="$ZR_TEXT"
        fi
        convert -size $(((h - 4) * X))x$(((w - 1) * X)) "gradient:$fill1-$fill2" -rotate -90 \
            "$TMP/zr_tab_fill.png"
        convert -size $((w * s))x$((h * s)) xc:black -fill white -stroke none \
            -draw "roundrectangle $((1 * s)),$((2 * s)) $(((w + 12) * s)),$(((h - 2) * s - 1)) $((8 * s)),$((8 * s))" \
            -filter Box -resize "$size!" "$TMP/zr_tab_outer.png"
        convert -size $((w * s))x$((h * s)) xc:black -fill white -stroke none \
            -draw "roundrectangle $((2 * s)),$((3 * s)) $(((w + 12) * s)),$(((h - 3) * s - 1)) $((7 * s)),$((7 * s))" \
            -filter Box -resize "$size!" "$TMP/zr_tab_inner.png"
        # the text, drawn across and turned to read upwards
        convert -size "$((h * X))x$((w * X))" xc:none -font "$SANS_BOLD" -pointsize $((14 * X)) \
            -fill "$ink" -gravity center -annotate "+$(((0 - up) * X))+$X" "$text" -rotate -90 \
            "$TMP/zr_tab_text.png"
        convert -size "$size" "xc:$ZR_STRIP" \
            \( -size "$size" "xc:$border" "$TMP/zr_tab_outer.png" -alpha off -compose CopyOpacity -composite \) \
            -compose Over -composite \
            \( -size "$size" xc:none "$TMP/zr_tab_fill.png" -geometry "+$X+$((2 * X))" -composite \
               "$TMP/zr_tab_inner.png" -alpha off -compose CopyOpacity -composite \) \
            -compose Over -composite \
            "$TMP/zr_tab_text.png" -composite "$TMP/zr_tab.png"
        if (( hover )); then
            save_zr "$TMP/zr_tab.png" "${out}_hover"
        else
            save_zr "$TMP/zr_tab.png" "$out"
        fi
    done
}

# A caption button, 30 x 20, over the banner at x = $2: a key hanging from the
# top edge with a glyph. $1 = banner png, $2 = x, $3 = name of the array of
# -draw arguments for the glyph on the 120 x 80 canvas, $4 = hover colour,
# $5 = output without ".bmp"
zr_caption() {
    local banner=$1 x=$2 hover_fill=$4 out=$5
    local -n glyph=$3
    local hover fill stroke ink
    local size="$((30 * X))x$((20 * X))"
    convert "$banner" -crop "$size+$((x * X))+0" +repage "$TMP/zr_cap_bg.png"
    for hover in 0 1; do
        if (( hover )); then
            fill="$hover_fill" stroke="$hover_fill" ink=white
        else
            fill='rgba(255,255,255,0.45)' stroke="$ZR_SOFT" ink="$ZR_EDGE"
        fi
        convert -size 120x80 xc:none \
            -fill "$fill" -stroke "$stroke" -strokewidth 4 -draw 'roundrectangle 4,-24 115,73 14,14' \
            -stroke none -fill "$ink" "${glyph[@]}" \
            -filter Box -resize "$size!" "$TMP/zr_cap_fg.png"
        convert "$TMP/zr_cap_bg.png" "$TMP/zr_cap_fg.png" -composite "$TMP/zr_cap.png"
        if (( hover )); then
            save_zr "$TMP/zr_cap.png" "${out}_hover"
        else
            save_zr "$TMP/zr_cap.png" "$out"
        fi
    done
}

# A tile page, 725 x 411: the light body, a soft fade from the banner above, a
# footer line in the suite's colours at the bottom, the strip under the tabs,
# the emblem faintly in the free right column, and below it how to turn the
# page and which page this is. $1 = page number, $2 = hint, $3 = second line
# of the hint, $4 = output
zr_page() {
    local page=$1 hint=$2 hint2=$3 out=$4
    local faint
    zr_emblem '#e9e7f7' "$ZR_PAGE" '#f7e6cf' "$ZR_PAGE" faint
    convert -size 256x256 xc:none "${faint[@]}" -filter Box -resize "$((150 * X))x$((150 * X))" \
        "$TMP/zr_faint.png"
    # the two page dots, the current one filled, the other a ring
    local dot1="circle $((490 * X)),$((381 * X)) $((494 * X)),$((381 * X))"
    local dot2="circle $((505 * X)),$((381 * X)) $((509 * X)),$((381 * X))"
    local ring_width
    ring_width=$(awk -v x="$X" 'BEGIN { print 1.5 * x }')
    local dots
    if (( page == 1 )); then
        dots=(-fill "$ZR_ACCENT" -draw "$dot1"
              -fill none -stroke "$ZR_SOFT" -strokewidth "$ring_width" -draw "$dot2" -stroke none)
    else
        dots=(-fill none -stroke "$ZR_SOFT" -strokewidth "$ring_width" -draw "$dot1" -stroke none
              -fill "$ZR_ACCENT" -draw "$dot2")
    fi
    # the strip's edge, one pixel wide at 1x
    local edge=(-draw 'line 692,0 692,410')
    (( X == 1 )) || edge=(-draw "rectangle $((692 * X)),0 $((693 * X - 1)),$((411 * X - 1))")
    local wide=$((725 * X))
    convert -size "${wide}x$((20 * X))" "gradient:white-$ZR_PAGE" \
        \( -size "${wide}x$((384 * X))" "xc:$ZR_PAGE" \) \
        \( -size "${wide}x$X" "xc:$ZR_SOFT" \) \
        \( -size "${wide}x$X" "xc:$ZR_ACCENT" \) \
        \( -size "${wide}x$((5 * X))" "gradient:$ZR_LIGHT-$ZR_TINT" \) \
        -append \
        -fill "$ZR_STRIP" -draw "rectangle $((693 * X)),0 $((725 * X - 1)),$((411 * X - 1))" \
        -fill "$ZR_SOFT" "${edge[@]}" \
        "$TMP/zr_faint.png" -geometry "+$((440 * X))+$((140 * X))" -composite \
        -font "$SANS" -pointsize $((13 * X)) -fill "$ZR_MUTED" -gravity north \
        -annotate "+$((152 * X))+$((316 * X))" "$hint" -annotate "+$((152 * X))+$((333 * X))" "$hint2" \
        -gravity none "${dots[@]}" \
        -font "$SANS_BOLD" -pointsize $((12 * X)) -fill "$ZR_MUTED" \
        -annotate "+$((521 * X))+$((386 * X))" "$page / 2" \
        "$TMP/zr_page.png"
    save_zr "$TMP/zr_page.png" "$out"
}

make_zeruraruri() {
    local res="$ROOT/zeruraruri/res"
    mkdir -p "$res"

    # icon: the emblem on an indigo tile; at 16 px four plain keys
    # shellcheck disable=SC2034 # used through make_icon's name reference
    local icon_large
    zr_emblem white "$ZR_ACCENT" "$HOVER_FILL" white icon_large
    # shellcheck disable=SC2034 # used through make_icon's name reference
    local icon_small=(
        -stroke none -fill white
        -draw 'roundrectangle 28,28 120,120 16,16' -draw 'roundrectangle 136,28 228,120 16,16'
        -draw 'roundrectangle 28,136 120,228 16,16'
        -fill "$HOVER_FILL" -draw 'roundrectangle 136,136 228,228 16,16'
    )
    make_icon '#7b73d6' '#3a3392' icon_large icon_small "$res/app.ico"

    # banner: the band of the calculators, taller, with the suite's name
    local wide=$((725 * X))
    convert -size "${wide}x$((89 * X))" "gradient:$ZR_TINT-$ZR_LIGHT" \
        \( -size "${wide}x$X" "xc:$ZR_SOFT" \) \
        \( -size "${wide}x$((2 * X))" "xc:$ZR_ACCENT" \) \
        \( -size "${wide}x$((8 * X))" xc:white \) \
        -append \
        -font "$SANS_ITALIC" -pointsize $((52 * X)) -fill "$ZR_TEXT" \
        -annotate "+$((40 * X))+$((64 * X))" 'Prolexa' \
        -font "$SANS_ITALIC" -pointsize $((18 * X)) -fill "$ZR_ACCENT" \
        -annotate "+$((262 * X))+$((47 * X))" 'Matematika a fyzika pre školu' \
        -font "$SANS" -pointsize $((13 * X)) -fill "$ZR_MUTED" \
        -annotate "+$((263 * X))+$((68 * X))" 'tolvek.cz' \
        "$TMP/zr_banner.png"
    [[ $(identify -format '%wx%h' "$TMP/zr_banner.png") == "${wide}x$((100 * X))" ]]
    save_zr "$TMP/zr_banner.png" "$res/banner"

    make_help "$TMP/zr_banner.png" "$ZR_ACCENT" none "$ZR_EDGE" "$(zr_art "$res/help")" 682+45
    make_help "$TMP/zr_banner.png" "$HOVER_FILL" "$HOVER_RING" '#c96f00' "$(zr_art "$res/help_hover")" 682+45

    # shellcheck disable=SC2034 # used through zr_caption's name reference
    local cross=(-draw 'polygon 42,21 47,16 60,29 73,16 78,21 65,34 78,47 73,52 60,39 47,52 42,47 55,34')
    # shellcheck disable=SC2034
    local bar=(-draw 'rectangle 43,44 77,51')
    zr_caption "$TMP/zr_banner.png" 680 cross '#e0492f' "$res/close"
    zr_caption "$TMP/zr_banner.png" 650 bar "$HOVER_FILL" "$res/minimise"

    zr_page 1 'Potiahnite pravým tlačidlom myši doľava:' 'ďalšie programy' "$res/page1"
    zr_page 2 'Potiahnite pravým tlačidlom myši doprava:' 'späť na prvú stranu' "$res/page2"

    zr_tab 'Nastavenia' 31 149 0 "$res/tab_settings"
    zr_tab 'O programe' 31 138 0 "$res/tab_about"
    zr_tab 'Dotácie' 32 122 10 "$res/tab_donation"

    # pictures of the tiles, 64 px drawn on 256 px
    # shellcheck disable=SC2034 # the pictures are used through zr_tile's name reference
    local pic_zazozarozovuz=() row col
    local -a abc=('#e2574c' '#3f7fd0' '#f0b429') letters=(A B C)
    for row in 0 1 2; do
        for col in 0 1 2; do
            local k=$(( (row + col) % 3 )) x=$((20 + col * 76)) y=$((20 + row * 76))
            pic_zazozarozovuz+=(-fill "${abc[k]}" -draw "roundrectangle $x,$y $((x + 64)),$((y + 64)) 14,14"
                                -fill white -font "$SANS_BOLD" -pointsize 44
                                -draw "text $((x + 18)),$((y + 48)) '${letters[k]}'")
        done
    done
    # shellcheck disable=SC2034
    local pic_radixa=(
        -fill none -stroke '#8cc39f' -strokewidth 6
        -draw 'line 12,150 244,150' -draw 'line 128,16 128,240'
        -stroke none -fill '#2e8a4d' -draw "$(parabola_discs 214 34 8)"
        -fill white -stroke '#1d6136' -strokewidth 7
        -draw 'circle 81,150 81,164' -draw 'circle 175,150 175,164'
    )
    # shellcheck disable=SC2034
    local pic_dromika=(
        -fill none -stroke '#7fa8a6' -strokewidth 8 -draw 'line 8,196 248,196'
        -stroke '#7fa8a6' -strokewidth 5 -draw 'line 128,46 128,212'
        -stroke none
        -fill '#3f7fd0' -draw 'circle 40,158 40,192'
        -fill '#e2574c' -draw 'circle 216,158 216,192'
        -fill '#1f8a87' -draw 'rectangle 80,150 100,166' -draw 'polygon 98,132 122,158 98,184'
        -draw 'rectangle 156,150 176,166' -draw 'polygon 158,132 134,158 158,184'
        -font "$SANS_ITALIC" -pointsize 72 -fill '#1f8a87'
        -draw "text 18,104 'v'" -draw "text 182,104 'v'"
        -font "$SANS" -pointsize 44 -draw "text 54,118 '1'" -draw "text 218,118 '2'"
    )
    # shellcheck disable=SC2034
    local pic_trigona=(
        -stroke none -fill '#2f6db3' -draw 'polygon 40,32 40,220 224,220'
        -fill none -stroke white -strokewidth 10 -draw 'polyline 40,176 84,176 84,220'
    )
    # shellcheck disable=SC2034
    local pic_redero=(
        -stroke '#6a48b0' -strokewidth 7
        -fill '#cbbdf0' -draw 'rectangle 22,22 104,104'
        -fill '#bfe0f7' -draw 'circle 182,63 182,105'
        -fill '#e9e2fa' -draw 'rectangle 64,140 152,228'
        -fill '#d3c7f3' -draw 'polygon 64,140 100,108 188,108 152,140'
        -fill '#b8a7ea' -draw 'polygon 152,140 188,108 188,196 152,228'
    )
    # shellcheck disable=SC2034
    local pic_zoverudir=(
        -stroke '#4d5b73' -strokewidth 8 -fill white -draw 'roundrectangle 56,24 220,232 16,16'
        -stroke '#d66a6a' -strokewidth 4 -draw 'line 92,28 92,228'
        -stroke '#9fb0c8' -strokewidth 6
        -draw 'line 104,80 196,80' -draw 'line 104,112 196,112'
        -draw 'line 104,144 196,144' -draw 'line 104,176 168,176'
        -stroke '#4d5b73' -strokewidth 8 -fill none
        -draw 'ellipse 56,60 18,10 0,360' -draw 'ellipse 56,104 18,10 0,360'
        -draw 'ellipse 56,148 18,10 0,360' -draw 'ellipse 56,192 18,10 0,360'
    )
    # shellcheck disable=SC2034
    local pic_zeraz=(
        -stroke '#8d5a55' -strokewidth 7 -fill white -draw 'roundrectangle 72,20 120,196 24,24'
        -draw 'circle 96,200 96,236'
        -stroke none -fill '#d23f31' -draw 'circle 96,200 96,226' -draw 'rectangle 88,80 104,204'
        -stroke '#8d5a55' -strokewidth 5
        -draw 'line 128,52 148,52' -draw 'line 128,84 142,84' -draw 'line 128,116 148,116'
        -draw 'line 128,148 142,148'
        -stroke none -fill '#f08a24'
        -draw 'path "M 196,236 C 160,232 150,196 170,164 C 180,148 186,128 184,108 C 206,124 224,150 226,176 C 232,168 234,158 232,148 C 246,168 250,200 236,218 C 228,230 214,236 196,236 Z"'
        -fill '#ffd24d'
        -draw 'path "M 200,234 C 182,232 176,212 186,196 C 192,186 196,176 196,166 C 210,178 220,194 220,210 C 220,224 212,234 200,234 Z"'
    )
    # shellcheck disable=SC2034
    local pic_mernika=(-stroke '#8a6d12' -strokewidth 6 -fill '#f6d66b' -draw 'roundrectangle 12,100 244,172 8,8'
                       -strokewidth 5)
    local i
    for i in 0 1 2 3 4 5 6 7 8 9 10; do
        local tx=$((28 + i * 20)) tl=18
        (( i % 5 == 0 )) && tl=36
        pic_mernika+=(-draw "line $tx,103 $tx,$((103 + tl))")
    done
    pic_mernika+=(
        -stroke none -fill '#8a6d12' -font "$SANS_BOLD" -pointsize 34 -draw "text 162,164 'cm'"
        -stroke '#8a6d12' -strokewidth 8 -draw 'line 40,60 216,60'
        -stroke none -draw 'polygon 20,60 48,40 48,80' -draw 'polygon 236,60 208,40 208,80'
    )

    zr_tile Trigona 'Pytagorova veta' '#2f6db3' '#dce9f8' pic_trigona "$res/tile_trigona"
    zr_tile Radixa 'Kvadratické rovnice' '#2e8a4d' '#dcf1e2' pic_radixa "$res/tile_radixa"
    zr_tile Zazozarozovuz 'Variácie a kombinácie' '#b03a78' '#f6e0ec' pic_zazozarozovuz "$res/tile_zazozarozovuz"
    zr_tile Redero 'Obvody, obsahy a objemy' '#6a48b0' '#ebe4f8' pic_redero "$res/tile_redero"
    zr_tile Dromika 'Pohyb dvoch telies' '#1f8a87' '#d9f0ef' pic_dromika "$res/tile_dromika"
    zr_tile Zoverudir 'Ďalší program sady' '#4d5b73' '#e3e8f0' pic_zoverudir "$res/tile_zoverudir"
    zr_tile Zeraz 'Teplo telesa' '#c0392b' '#f9e0dc' pic_zeraz "$res/tile_zeraz"
    zr_tile Mernika 'Prevody jednotiek' '#8a6d12' '#f7edc9' pic_mernika "$res/tile_mernika"
}

targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || targets=(trigona radixa rezeze dromika zazozarozovuz zeraz mernika zeruraruri)
for t in "${targets[@]}"; do
    case $t in
        trigona|radixa|rezeze|dromika|zazozarozovuz|zeraz|mernika|zeruraruri) ;;
        *) echo "make-art: unknown program '$t'" >&2; exit 2 ;;
    esac
    for X in 1 2; do
        "make_$t"
    done
done
