#!/usr/bin/env bash
# What `cmake --install` gives the desktop: a valid menu entry that starts
# the installed program, a valid AppStream metainfo file, the icons in the
# hicolor theme and the manual page.
source "$(dirname "$0")/lib/common.bash"

new_run_dir
BUILD_DIR=$(cd "$GAME_DIR/.." && pwd)
PREFIX=$RUN_DIR/prefix
cmake --install "$BUILD_DIR" --prefix "$PREFIX" >"$RUN_DIR/install.txt" 2>&1 || fail "cmake --install"
SHARE=$PREFIX/share

command -v desktop-file-validate >/dev/null || fail "desktop-file-validate is missing (scripts/install-deps)"
command -v appstreamcli >/dev/null || fail "appstreamcli is missing (scripts/install-deps)"

# The menu entry.
entry=$SHARE/applications/velvetarium.desktop
[ -f "$entry" ] || fail "no desktop entry"
desktop-file-validate "$entry" >"$RUN_DIR/validate.txt" 2>&1 || fail "desktop entry: $(cat "$RUN_DIR/validate.txt")"
[ ! -s "$RUN_DIR/validate.txt" ] || fail "desktop entry: $(cat "$RUN_DIR/validate.txt")"
for key in Name Comment Exec Icon; do
  grep -q "^$key=." "$entry" || fail "the desktop entry has no $key"
done
grep -qx 'Categories=Game;ArcadeGame;' "$entry" || fail "the desktop entry is not in Game;ArcadeGame;"
grep -qx 'Icon=velvetarium' "$entry" || fail "the desktop entry does not name the velvetarium icon"
# Exec names the installed program: by name (on the path) or by its full path.
exec_value=$(sed -n 's/^Exec=//p' "$entry")
case "$exec_value" in
  /*) [ -x "$exec_value" ] || fail "Exec=$exec_value is no program" ;;
  *) [ -x "$PREFIX/games/$exec_value" ] || fail "Exec=$exec_value is not in $PREFIX/games" ;;
esac

# The metainfo file, checked without the network, names that entry.
metainfo=$SHARE/metainfo/velvetarium.metainfo.xml
appstreamcli validate --no-net "$metainfo" >"$RUN_DIR/appstream.txt" 2>&1 ||
  fail "metainfo: $(cat "$RUN_DIR/appstream.txt")"
grep -q '<launchable type="desktop-id">velvetarium.desktop</launchable>' "$metainfo" ||
  fail "the metainfo does not launch velvetarium.desktop"
for tag in '<id>' '<name>' '<summary>' '<description>' '<content_rating' '<project_license>' '<categories>'; do
  grep -q "$tag" "$metainfo" || fail "the metainfo has no $tag"
done

# Icons: PNG of their theme size, transparent around the emblem, coloured in
# the middle.
for size in 16 32 48 64 128 256; do
  icon=$SHARE/icons/hicolor/${size}x${size}/apps/velvetarium.png
  [ -f "$icon" ] || fail "no ${size}x${size} icon"
  [ "$(identify -format '%m %wx%h' "$icon")" = "PNG ${size}x${size}" ] || fail "$icon is not a ${size}px PNG"
  corner=$(convert "$icon" -format '%[fx:int(255*p{0,0}.a)]' info:)
  [ "$corner" = 0 ] || fail "the corner of the ${size}px icon is not transparent"
  middle=$(convert "$icon" -format '%[fx:int(255*p{w/2,h/2}.a)]' info:)
  [ "$middle" = 255 ] || fail "the middle of the ${size}px icon is not opaque"
done

# The manual page: how to play and where the files are.
page=$SHARE/man/man6/velvetarium.6.gz
[ -f "$page" ] || fail "no manual page"
text=$(zcat "$page") || fail "the manual page is not gzip"
for needle in '.SH NAME' '.SH HOW TO PLAY' '.SH FILES' 'Freezing time' 'The name game' 'F1' 'Escape' \
  '.local/share/velvetarium/savegame.txt' '.local/state/velvetarium/log.txt' 'share/games/velvetarium'; do
  grep -qF -- "$needle" <<<"$text" || fail "the manual page does not mention $needle"
done
if command -v groff >/dev/null; then
  warnings=$(zcat "$page" | groff -man -ww -z -Tutf8 2>&1)
  [ -z "$warnings" ] || fail "the manual page has troff warnings: $warnings"
fi

[ -f "$SHARE/doc/velvetarium/copyright" ] || fail "no copyright file"
echo "desktop-files: ok"
