#!/usr/bin/env bash
# Draws the icons and bitmaps of the calculators with ImageMagick and writes them
# into <program>/res/. Every picture is drawn here from scratch; the outputs are
# committed, so run this again only after changing a picture:
#
#   tools/make-art.sh            # all programs
#   tools/make-art.sh trigona    # one program
#
# Needs: imagemagick (convert), fonts-liberation.
#
# Resources per program (number: file, size in pixels):
#   101 app.ico          48, 32 and 16 px in one icon
#   102 help.bmp         35 x 31, the "?" help icon, drawn on the header band
#   103 help_hover.bmp   35 x 31, the same while the mouse is over it
#   104 band_top.bmp     1 x 65, header band, repeated across the window at y = 0
#   105 band_bottom.bmp  1 x 97, footer band from y = 403 (Trigona) or 453
#                        (Radixa) down to the window's outer height (500, 550),
#                        so it fills the client area whatever the frame metrics
#                        (under Wine the client area ends 72 rows below the band
#                        top: 519 x 475 and 744 x 525)
#   106 teach.bmp        88 x 104, Trigona only: picture in the teaching dialog
# All bitmaps are 24-bit BMP3 without alpha.

set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
FONTS=/usr/share/fonts/truetype/liberation
SANS_BOLD="$FONTS/LiberationSans-Bold.ttf"
SERIF_BOLD_ITALIC="$FONTS/LiberationSerif-BoldItalic.ttf"

for f in "$SANS_BOLD" "$SERIF_BOLD_ITALIC"; do
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

# Writes a picture as an uncompressed 24-bit BMP3 with no alpha channel.
# $1 = source image, $2 = target .bmp
save_bmp() {
    convert "$1" -alpha off -type TrueColor "BMP3:$2"
}

# Header band, one pixel wide: a soft tint that lightens downwards behind the
# title, a thin accent line and a few white rows before the controls begin.
# $1 = tint, $2 = light tint, $3 = soft line, $4 = accent, $5 = output
make_band_top() {
    local tint=$1 light=$2 soft=$3 accent=$4 out=$5
    convert -size 1x54 "gradient:$tint-$light" \
        \( -size 1x1 "xc:$soft" \) \
        \( -size 1x2 "xc:$accent" \) \
        \( -size 1x8 xc:white \) \
        -append "$TMP/band_top.png"
    [[ $(identify -format '%h' "$TMP/band_top.png") == "$HEADER_HEIGHT" ]]
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
        fade=(-size "1x$lead" "gradient:white-$light")
    fi
    convert "${fade[@]}" \
        \( -size 1x2 "xc:$accent" \) \
        \( -size 1x1 "xc:$soft" \) \
        \( -size "1x$((50 - lead * 2 / 3))" "gradient:$light-$tint" \) \
        \( -size "1x$((FOOTER_HEIGHT - 53 - lead + lead * 2 / 3))" "xc:$tint" \) \
        -append "$TMP/band_bottom.png"
    [[ $(identify -format '%h' "$TMP/band_bottom.png") == "$FOOTER_HEIGHT" ]]
    save_bmp "$TMP/band_bottom.png" "$out"
}

# Help icon: a round button with a white "?" on the very rows of the header band
# that it covers, so it blends into the band when copied there.
# $1 = header band png, $2 = disc colour, $3 = ring colour (or none),
# $4 = darker edge colour, $5 = output
make_help() {
    local band=$1 fill=$2 ring=$3 edge=$4 out=$5
    local s=8 w=$((HELP_W * 8)) h=$((HELP_H * 8))
    convert "$band" -crop "1x${HELP_H}+0+${HELP_Y}" +repage \
        -scale "${HELP_W}x${HELP_H}!" "$TMP/help_bg.png"
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
        -filter Box -resize "${HELP_W}x${HELP_H}!" "$TMP/help_fg.png"
    convert "$TMP/help_bg.png" "$TMP/help_fg.png" -composite "$TMP/help.png"
    save_bmp "$TMP/help.png" "$out"
}

# Icon: a rounded tile in the program's colours with a white drawing on it.
# The 48 and 32 px images are scaled from a 256 px drawing, the 16 px image from
# a bolder, simpler drawing so that it stays readable.
# $1 = tile top colour, $2 = tile bottom colour, $3 and $4 = names of arrays
# of -draw arguments on a 256 px canvas (large, small), $5 = output
make_icon() {
    local top=$1 bottom=$2 out=$5
    make_tile "$top" "$bottom" "$3" "$TMP/icon_large.png"
    make_tile "$top" "$bottom" "$4" "$TMP/icon_small.png"
    local size
    for size in 48 32; do
        convert "$TMP/icon_large.png" -filter Box -resize "${size}x${size}" "$TMP/icon$size.png"
    done
    convert "$TMP/icon_small.png" -filter Box -resize 16x16 "$TMP/icon16.png"
    convert "$TMP/icon48.png" "$TMP/icon32.png" "$TMP/icon16.png" "$out"
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

    make_band_top "$tint" "$light" "$soft" "$accent" "$res/band_top.bmp"
    cp "$TMP/band_top.png" "$TMP/trigona_band.png"
    make_band_bottom "$tint" "$light" "$soft" "$accent" 0 "$res/band_bottom.bmp"
    make_help "$TMP/trigona_band.png" "$accent" none '#1f4f87' "$res/help.bmp"
    make_help "$TMP/trigona_band.png" "$HOVER_FILL" "$HOVER_RING" '#c96f00' "$res/help_hover.bmp"

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
    # Drawn 4 times larger; one cell is 8 px, the figure 80 x 88 px.
    local s=4
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
        -filter Box -resize 88x104! "$TMP/teach.png"
    save_bmp "$TMP/teach.png" "$res/teach.bmp"
}

# ---------------------------------------------------------------------- Radixa
make_radixa() {
    local res="$ROOT/radixa/res"
    mkdir -p "$res"
    local tint='#c9ead2' light='#effaf2' soft='#9fd3ad' accent='#2e8a4d'

    make_band_top "$tint" "$light" "$soft" "$accent" "$res/band_top.bmp"
    cp "$TMP/band_top.png" "$TMP/radixa_band.png"
    # the roots' last lines are written at y = 460 and reach y = 474, over
    # the footer band (y = 453), so the band's accent line starts below them
    make_band_bottom "$tint" "$light" "$soft" "$accent" 24 "$res/band_bottom.bmp"
    make_help "$TMP/radixa_band.png" "$accent" none '#1d6136' "$res/help.bmp"
    make_help "$TMP/radixa_band.png" "$HOVER_FILL" "$HOVER_RING" '#c96f00' "$res/help_hover.bmp"

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

targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || targets=(trigona radixa)
for t in "${targets[@]}"; do
    case $t in
        trigona) make_trigona ;;
        radixa) make_radixa ;;
        *) echo "make-art: unknown program '$t'" >&2; exit 2 ;;
    esac
done
