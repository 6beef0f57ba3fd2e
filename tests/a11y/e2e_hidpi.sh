#!/usr/bin/env bash
# The real program at 100 % and at 200 % (QT_SCALE_FACTOR=2) on one display:
# at 200 % every window is twice the size with the same layout, and the
# gemstone picture and the program icon are drawn from their large images,
# not enlarged. Set KEEP_SHOTS=<folder> to keep the screenshots.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
e2e=$here/../e2e
source "$e2e/lib.sh"
source "$e2e/test_reading_lib.sh"
gems=$(cd "$here/../../engine/data/gems" && pwd)
icons=$(cd "$here/../../dist/icons" && pwd)
shots=$E2E_WORK/shots
mkdir -p "$shots"
trap '[ -n "${KEEP_SHOTS:-}" ] && mkdir -p "$KEEP_SHOTS" && cp "$shots"/*.png "$KEEP_SHOTS"/ || true' EXIT

# Where the controls are, in window pixels at 100 %: the picture box of the
# "Gemstone For You" page and the exit screen's icon (its 32-pixel image is
# centred in a 36-pixel box at 24, 8).
picture_x=352 picture_y=104 picture_w=120 picture_h=90
icon_x=26 icon_y=10 icon_size=32

geometry() { xdotool getwindowgeometry "$1" | sed -n 's/^ *Geometry: //p'; }
# The visible window titled like ours whose size is $1, or nothing.
window_sized() { windows_of_size "$1" | head -n1; }
has_window_sized() { [ -n "$(window_sized "$1")" ]; }
wait_sized() { poll 10 has_window_sized "$1"; }
# Root mean square difference of two pictures of one size, 0 (alike) to 1.
rmse() { { compare -metric RMSE "$1" "$2" null: 2>&1 || true; } | sed -n 's/.*(\(.*\)).*/\1/p'; }
below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }
crop() { convert "$1" -crop "$4x$5+$2+$3" +repage "$6"; }

# The stone of the reading, found by its picture at 100 %: the file that
# matches the picture box best.
best_stone() {
  local best="" best_score=1 file score
  for file in "$gems"/*.jpg; do
    case $file in *@2x.jpg) continue ;; esac
    convert "$file" "$E2E_WORK/candidate.png"
    score=$(rmse "$1" "$E2E_WORK/candidate.png")
    if below "$score" "$best_score"; then best=$file best_score=$score; fi
  done
  echo "$best"
}

# One run: main window, a reading on its gemstone page, the exit screen.
# $1 scale; sizes printed as "main reading exit" and screenshots saved.
run_at() {
  local scale=$1 pid main reading screen
  QT_SCALE_FACTOR=$scale start_main_window "no main window at scale $scale"
  main=$(windows_named "$caption" | head -n1)
  wait_drawn "$main"
  echo "main $(geometry "$main")" >"$E2E_WORK/sizes-$scale"
  import -window "$main" "$shots/main-$scale.png"

  focus_window "$main"
  xdotool type --delay 20 "mira"
  xdotool key Tab Tab
  xdotool type --delay 20 "okafor"
  xdotool key Tab
  pick_date_and_ask 29 November 1999
  wait_sized "$((496 * scale))x$((360 * scale))" || fail "no reading window at scale $scale"
  reading=$(window_sized "$((496 * scale))x$((360 * scale))")
  echo "reading $(geometry "$reading")" >>"$E2E_WORK/sizes-$scale"
  focus_window "$reading"
  wait_drawn "$reading"
  shown=$(window_pixels "$reading")
  xdotool key ctrl+Tab # from "Birthday Number" on to "Gemstone For You"
  wait_redrawn "$reading" "$shown"
  import -window "$reading" "$shots/reading-$scale.png"

  xdotool key alt+F4
  wait_sized "$((741 * scale))x$((315 * scale))" || fail "no exit screen at scale $scale"
  screen=$(window_sized "$((741 * scale))x$((315 * scale))")
  wait_drawn "$screen"
  echo "exit $(geometry "$screen")" >>"$E2E_WORK/sizes-$scale"
  import -window "$screen" "$shots/exit-$scale.png"
  kill "$pid"
  wait_for_exit "$pid" || fail "the program did not end"
}

read -r screen_w screen_h < <(xdotool getdisplaygeometry)
[ "$screen_w" -ge 1600 ] && [ "$screen_h" -ge 900 ] ||
  fail "the screen ($screen_w x $screen_h) is too small for the windows at 200 %; set E2E_SCREEN"

run_at 1
run_at 2

# 1. Every window is exactly twice the size.
while read -r name size; do
  w=${size%x*} h=${size#*x}
  large=$(awk -v n="$name" '$1 == n { print $2 }' "$E2E_WORK/sizes-2")
  [ "$large" = "$((w * 2))x$((h * 2))" ] || fail "$name window: $size at 100 %, $large at 200 %"
done <"$E2E_WORK/sizes-1"
pass "main window, reading window and exit screen are twice the size at 200 %"

# 2. The layout holds: halved, each window at 200 % looks like the one at
# 100 % (text is drawn afresh at each size, so not pixel for pixel; a
# control out of place or of the wrong size differs far more).
# The exit screen's support text is drawn by lot and is left out.
support_text="8,56 472,128"
for name in main reading exit; do
  convert "$shots/$name-2.png" -filter Box -resize 50% "$E2E_WORK/$name-halved.png"
  cp "$shots/$name-1.png" "$E2E_WORK/$name-normal.png"
  if [ "$name" = exit ]; then
    for f in "$E2E_WORK/$name-halved.png" "$E2E_WORK/$name-normal.png"; do
      convert "$f" -fill white -draw "rectangle $support_text" "$f"
    done
  fi
  score=$(rmse "$E2E_WORK/$name-normal.png" "$E2E_WORK/$name-halved.png")
  echo "$name: halved 200 % against 100 %: $score"
  below "$score" 0.12 || fail "$name window: the layout at 200 % differs from 100 % ($score)"
done
pass "each window keeps its layout at 200 %"

# 3. The picture at 100 % is the stone's picture, in the box where it belongs.
crop "$shots/reading-1.png" $picture_x $picture_y $picture_w $picture_h "$E2E_WORK/picture-1.png"
stone=$(best_stone "$E2E_WORK/picture-1.png")
convert "$stone" "$E2E_WORK/small.png"
score=$(rmse "$E2E_WORK/picture-1.png" "$E2E_WORK/small.png")
echo "picture at 100 % against $(basename "$stone"): $score"
below "$score" 0.03 || fail "the picture box at 100 % does not show a gemstone picture ($score)"

# 4. At 200 % the box shows the large picture, not the small one enlarged:
# it is far closer to the large image than to the small one enlarged
# either way (pixel doubling or smooth).
crop "$shots/reading-2.png" $((picture_x * 2)) $((picture_y * 2)) $((picture_w * 2)) $((picture_h * 2)) \
  "$E2E_WORK/picture-2.png"
convert "${stone%.jpg}@2x.jpg" "$E2E_WORK/large.png"
convert "$stone" -sample 200% "$E2E_WORK/doubled.png"
convert "$stone" -resize 200% "$E2E_WORK/smoothed.png"
sharp=$(rmse "$E2E_WORK/picture-2.png" "$E2E_WORK/large.png")
doubled=$(rmse "$E2E_WORK/picture-2.png" "$E2E_WORK/doubled.png")
smoothed=$(rmse "$E2E_WORK/picture-2.png" "$E2E_WORK/smoothed.png")
echo "picture at 200 %: large image $sharp, doubled $doubled, smoothed $smoothed"
below "$sharp" 0.03 || fail "the picture at 200 % is not the large image ($sharp)"
below "$(awk -v s="$sharp" 'BEGIN { print 2 * s }')" "$doubled" || fail "the picture at 200 % looks doubled"
below "$(awk -v s="$sharp" 'BEGIN { print 2 * s }')" "$smoothed" || fail "the picture at 200 % looks enlarged"
pass "the gemstone picture is sharp at 200 %"

# 5. The exit screen's icon: the 64-pixel image at 200 %, laid on the
# screen's own background.
crop "$shots/exit-2.png" $((icon_x * 2)) $((icon_y * 2)) $((icon_size * 2)) $((icon_size * 2)) "$E2E_WORK/icon-2.png"
background=$(convert "$shots/exit-2.png" -format "%[pixel:p{$((icon_x * 2 - 2)),$((icon_y * 2 - 2))}]" info:)
convert -size 64x64 "xc:$background" "$icons/gemvara-64.png" -composite "$E2E_WORK/icon-large.png"
convert -size 64x64 "xc:$background" \( "$icons/gemvara-32.png" -sample 200% \) -composite "$E2E_WORK/icon-doubled.png"
sharp=$(rmse "$E2E_WORK/icon-2.png" "$E2E_WORK/icon-large.png")
doubled=$(rmse "$E2E_WORK/icon-2.png" "$E2E_WORK/icon-doubled.png")
echo "icon at 200 %: large image $sharp, doubled $doubled"
below "$sharp" 0.03 || fail "the icon at 200 % is not the 64-pixel image ($sharp)"
below "$(awk -v s="$sharp" 'BEGIN { print 2 * s }')" "$doubled" || fail "the icon at 200 % looks doubled"
pass "the program icon is sharp at 200 %"
