# Playing the real game through its window with xdotool: clicks, pointer
# steps the cat can follow, the way from the menu onto Play, screenshots and
# waits on what they show. Source after common.bash.

# A click the game sees: its frames read the held buttons, so the button
# stays down for a few frames.
click() {
  xdotool mousedown 1
  sleep 0.3
  xdotool mouseup 1
  sleep 0.5
}

press_escape() {
  xdotool keydown Escape
  sleep 0.3
  xdotool keyup Escape
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
# and a click, until the dance shows; leaves screenshot "dance". A machine
# too loaded to give every pointer step a frame of its own may leave the cat
# short of Play: then the way is taken once more.
start_dance() {
  for _ in 1 2; do
    cat_to_lower_left
    steps 13 10 0
    steps 1 0 -15
    sleep 0.5
    click
    wait_for_screen dance menu -gt 40 20 && return 0
  done
  fail "Play did not start the dance"
}

# Screenshots go to $E2E_SHOTS when that is set (to look at them), else
# beside the game, where cleanup removes them.
shots_dir() {
  if [ -n "${E2E_SHOTS:-}" ]; then echo "$E2E_SHOTS"; else echo "$RUN_DIR/shots"; fi
}

shot() {
  mkdir -p "$(shots_dir)"
  import -window root "$(shots_dir)/$1.png" || fail "no screenshot $1"
}

# Share of pixels that differ noticeably between two screenshots, in percent.
differs() {
  local pixels
  pixels=$(compare -metric AE -fuzz 10% "$(shots_dir)/$1.png" "$(shots_dir)/$2.png" null: 2>&1 | cut -d' ' -f1)
  echo $((${pixels%.*} * 100 / (1024 * 768)))
}

# Takes screenshot $1 until it differs from screenshot $2 by less (-lt) or
# more (-gt) than $4 percent, as $3 says; at most $5 seconds. False if it
# never did: a loaded machine may draw the change late, never early.
wait_for_screen() {
  local name=$1 reference=$2 test=$3 percent=$4 limit=$5
  local deadline=$((SECONDS + limit))
  while :; do
    game_running || fail "the game ended while waiting for screen $name"
    shot "$name"
    [ "$(differs "$reference" "$name")" "$test" "$percent" ] && return 0
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.5
  done
}

# Starts the game and waits for its welcome screen: something drawn over
# the empty display that then holds still (its first frames may come before
# its pictures). Leaves screenshots "empty" and "welcome".
start_to_welcome() {
  shot empty
  start_game
  wait_for_window 30
  wait_for_screen welcome empty -gt 0 30 || fail "the welcome screen never showed"
  local deadline=$((SECONDS + 30))
  while :; do
    sleep 0.5
    mv "$(shots_dir)/welcome.png" "$(shots_dir)/before-welcome.png"
    shot welcome
    [ "$(differs before-welcome welcome)" -lt 5 ] && return 0
    [ "$SECONDS" -lt "$deadline" ] || fail "the welcome screen never held still"
  done
}

# A click from the welcome screen into the menu, which differs from it in
# more than $1 percent of the pixels (default 40); leaves screenshot "menu".
# A loaded machine may show the welcome screen before the game reads the
# pointer: while the screen still is the welcome screen, the click is
# given again.
enter_menu() {
  local percent=${1:-40}
  for _ in 1 2 3; do
    click
    if wait_for_screen menu welcome -gt "$percent" 10; then
      sleep 1
      shot menu
      return 0
    fi
  done
  fail "the click did not leave the welcome screen"
}
