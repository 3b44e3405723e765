#!/bin/sh
# SPDX-License-Identifier: LGPL-2.1-or-later
# Draws the widget-box icons of the Designer plugin (24x24 PNG, one per widget) with
# ImageMagick. The PNGs are committed; run this only to change them.
set -eu
cd "$(dirname "$0")"

frame='fill white stroke #506070 stroke-width 1'
accent='fill #2f9e6e stroke none'

draw() { # draw <file> <ImageMagick draw primitives...>
    file=$1
    shift
    convert -size 24x24 xc:none -strokewidth 1 "$@" -strip "PNG32:$file"
}

draw tarnipaddredit.png -draw "$frame rectangle 0.5,6.5 23.5,17.5" \
    -draw "$accent rectangle 6,14 7,15 rectangle 11,14 12,15 rectangle 16,14 17,15" \
    -draw "fill #506070 stroke none rectangle 2,9 4,15 rectangle 8,9 10,15 rectangle 13,9 15,15 rectangle 19,9 21,15"
draw tarncombobox.png -draw "$frame rectangle 0.5,5.5 23.5,18.5" \
    -draw "fill #506070 stroke none rectangle 3,11 12,12" \
    -draw "$accent polygon 15,10 21,10 18,14"
draw tarnlineedit.png -draw "$frame rectangle 0.5,5.5 23.5,18.5" \
    -draw "fill #506070 stroke none rectangle 3,11 10,12 rectangle 12,8 12,16" \
    -draw "$accent circle 19,12 21,12"
draw tarncheckbox.png -draw "$frame rectangle 3.5,3.5 20.5,20.5" \
    -draw "stroke #2f9e6e stroke-width 3 fill none polyline 7,12 10,16 17,7"
draw tarnlabel.png -draw "fill #506070 stroke none polygon 4,20 10,4 14,4 20,20 16,20 12,8 8,20" \
    -draw "fill #506070 stroke none rectangle 8,13 16,15" -draw "$accent circle 20,4 22,4"
draw tarnpushbutton.png -draw "fill #2f9e6e stroke #1f6e4c roundrectangle 0.5,5.5 23.5,18.5 4,4" \
    -draw "fill white stroke none rectangle 6,11 17,12"
draw autohidescrolllistview.png -draw "$frame rectangle 0.5,0.5 23.5,23.5" \
    -draw "fill #506070 stroke none rectangle 3,4 15,5 rectangle 3,9 15,10 rectangle 3,14 15,15 rectangle 3,19 15,20" \
    -draw "$accent rectangle 19,3 21,10"
draw autohidescrolltableview.png -draw "$frame rectangle 0.5,0.5 23.5,23.5" \
    -draw "stroke #506070 fill none line 0,8 17,8 line 0,16 17,16 line 8,0 8,23" \
    -draw "$accent rectangle 19,3 21,10"
draw autohidescrolllistwidget.png -draw "$frame rectangle 0.5,0.5 23.5,23.5" \
    -draw "fill #2f9e6e stroke none circle 4,5 5,5 circle 4,12 5,12 circle 4,19 5,19" \
    -draw "fill #506070 stroke none rectangle 8,4 15,5 rectangle 8,11 15,12 rectangle 8,18 15,19" \
    -draw "$accent rectangle 19,3 21,10"
draw autohidescrolltablewidget.png -draw "$frame rectangle 0.5,0.5 23.5,23.5" \
    -draw "fill #c8d4de stroke none rectangle 1,1 17,7" \
    -draw "stroke #506070 fill none line 0,8 17,8 line 0,16 17,16 line 8,0 8,23" \
    -draw "$accent rectangle 19,3 21,10"
draw rotateanimlabel.png -draw "stroke #506070 stroke-width 3 fill none arc 3,3 21,21 30,300" \
    -draw "$accent polygon 16,1 23,6 15,9"
draw shortcutedit.png -draw "$frame roundrectangle 0.5,3.5 23.5,20.5 3,3" \
    -draw "fill #506070 stroke none rectangle 3,7 9,8 rectangle 3,7 4,16 rectangle 3,15 9,16" \
    -draw "$accent rectangle 11,11 13,12" \
    -draw "fill #506070 stroke none rectangle 15,7 16,16 polygon 17,11 20,7 21,8 18,12 21,16 20,17"
