# Playing the real game through its window with xdotool: clicks, pointer
# steps the cat can follow, the way from the menu onto Play, screenshots and
# their comparison. Source after common.bash; set SHOTS to a directory.

# A click the game sees: its frames read the held buttons, so the button
# stays down for a few frames.
click() {
  xdotool mousedown 1
  sleep 0.3
  xdotool mouseup 1
  sleep 0.5
}

# The cat follows the mouse by at most 30 pixels a frame, so the pointer
# moves in small steps, each in a frame of its own.
steps() {
  local count=$1 dx=$2 dy=$3
  for _ in $(seq 1 "$count"); do
    xdotool mousemove_relative -- "$dx" "$dy"
    sleep 0.12
  done
}

# The cat into the lower left corner of the menu, where the window holds
# it. The pointer first goes home (the game sends it back to 512, 512 from
# the window's edge); single long jumps move the cat by one frame's step
# only, so they bring the pointer back without moving the cat far.
cat_to_lower_left() {
  xdotool mousemove_relative -- -3000 0
  sleep 0.5
  for _ in 1 2; do
    xdotool mousemove_relative -- 0 -380
    sleep 0.3
    steps 19 0 20
  done
  xdotool mousemove_relative -- 390 0
  sleep 0.3
  steps 39 -20 0
}

# From the menu onto its Play button (1.3 units right of the corner, 0.15 up)
# and a click.
click_play_from_menu() {
  cat_to_lower_left
  steps 13 10 0
  steps 1 0 -15
  sleep 0.5
  click
}

shot() {
  import -window root "$SHOTS/$1.png" || fail "no screenshot $1"
}

# Share of pixels that differ noticeably between two screenshots, in percent.
differs() {
  local pixels
  pixels=$(compare -metric AE -fuzz 10% "$SHOTS/$1.png" "$SHOTS/$2.png" null: 2>&1 | cut -d' ' -f1)
  echo $((${pixels%.*} * 100 / (1024 * 768)))
}

# Takes screenshot $1 until it differs from screenshot $2 by less (-lt) or
# more (-gt) than $4 percent, as $3 says; at most $5 seconds. False if it
# never did. For busy machines, where a fixed sleep may come too early.
wait_for_screen() {
  local name=$1 reference=$2 test=$3 percent=$4 limit=$5
  local tries=$((limit * 2))
  for _ in $(seq 1 "$tries"); do
    shot "$name"
    [ "$(differs "$reference" "$name")" "$test" "$percent" ] && return 0
    sleep 0.5
  done
  return 1
}
