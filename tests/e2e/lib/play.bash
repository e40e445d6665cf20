# Playing the real game through its window with xdotool: clicks, pointer
# steps the cat can follow, the way from the menu onto Play, screenshots and
# waits on what they show. Sourced by common.bash.

# A click the game sees: its frames read the held buttons, so the button
# stays down for a few frames.
click() {
  xdotool mousedown 1 && sleep 0.3 && xdotool mouseup 1 && sleep 0.5
}

press_escape() { xdotool keydown Escape && sleep 0.3 && xdotool keyup Escape; }

# The cat follows the mouse by at most 30 pixels a frame, so the pointer
# moves in small steps, each in a frame of its own: steps COUNT DX DY.
steps() {
  for _ in $(seq 1 "$1"); do
    xdotool mousemove_relative -- "$2" "$3"
    sleep 0.12
  done
}

# From the menu onto its Play button and a click, until the dance shows;
# leaves screenshot "dance". The cat goes into the lower left corner of the
# menu, where the window holds it (the pointer first goes home: the game
# sends it back to 512, 512 from the window's edge; single long jumps move
# the cat by one frame's step only), then 1.3 units right and 0.15 up onto
# Play. A machine too loaded to give every pointer step a frame of its own
# may leave the cat short of Play: then the way is taken once more.
start_dance() {
  for _ in 1 2; do
    xdotool mousemove_relative -- -3000 0
    sleep 0.5
    for _ in 1 2; do
      xdotool mousemove_relative -- 0 -380 && sleep 0.3
      steps 19 0 20
    done
    xdotool mousemove_relative -- 390 0 && sleep 0.3
    steps 39 -20 0
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
shot() {
  SHOTS=${E2E_SHOTS:-$RUN_DIR/shots}
  mkdir -p "$SHOTS" && import -window root "$SHOTS/$1.png" || fail "no screenshot $1"
}

# Share of pixels that differ noticeably between two screenshots, in percent.
differs() {
  local pixels
  pixels=$(compare -metric AE -fuzz 10% "$SHOTS/$1.png" "$SHOTS/$2.png" null: 2>&1 | cut -d' ' -f1)
  echo $((${pixels%.*} * 100 / (1024 * 768)))
}

# wait_for_screen NAME REFERENCE -lt|-gt PERCENT SECONDS: takes screenshot
# NAME until it differs from REFERENCE by less or more than PERCENT; false if
# it never did: a loaded machine may draw the change late, never early.
wait_for_screen() {
  local deadline=$((SECONDS + $5))
  while :; do
    game_running || fail "the game ended while waiting for screen $1"
    shot "$1"
    [ "$(differs "$2" "$1")" "$3" "$4" ] && return 0
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
  wait_for_window
  wait_for_screen welcome empty -gt 0 30 || fail "the welcome screen never showed"
  for _ in $(seq 1 60); do
    sleep 0.5
    mv "$SHOTS/welcome.png" "$SHOTS/before-welcome.png"
    shot welcome
    [ "$(differs before-welcome welcome)" -lt 5 ] && return 0
  done
  fail "the welcome screen never held still"
}

# A click from the welcome screen into the menu, which differs from it in
# more than $1 percent of the pixels (default 40); leaves screenshot "menu".
# A loaded machine may show the welcome screen before the game reads the
# pointer: while the screen still is the welcome screen, the click is
# given again.
enter_menu() {
  for _ in 1 2 3; do
    click
    wait_for_screen menu welcome -gt "${1:-40}" 10 && sleep 1 && shot menu && return 0
  done
  fail "the click did not leave the welcome screen"
}
