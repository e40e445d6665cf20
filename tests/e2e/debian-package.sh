#!/usr/bin/env bash
# The Debian package made by CPack from this build: Debian's places for a
# game and its desktop files, and dependencies on runtime libraries only.
source "$(dirname "$0")/lib/common.bash"

new_run_dir
command -v dpkg-shlibdeps >/dev/null || fail "dpkg-shlibdeps is missing (scripts/install-deps: dpkg-dev)"

# gzip instead of the package's xz: the same contents, made faster.
cpack --config "$GAME_DIR/../CPackConfig.cmake" -B "$RUN_DIR" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip \
  >"$RUN_DIR/cpack.txt" 2>&1 || fail "cpack: $(tail -n 20 "$RUN_DIR/cpack.txt")"
debs=("$RUN_DIR"/velvetarium_*_"$(dpkg --print-architecture)".deb)
[ -f "${debs[0]}" ] || fail "no velvetarium_*.deb: $(ls "$RUN_DIR")"
deb=${debs[0]}

dpkg-deb -c "$deb" >"$RUN_DIR/contents.txt" || fail "dpkg-deb -c"
has() { grep -qE "$1" "$RUN_DIR/contents.txt" || fail "the package lacks $2"; }
has '^-rwxr-xr-x root/root .* \./usr/games/velvetarium$' "an executable /usr/games/velvetarium owned by root"
for file in applications/velvetarium.desktop metainfo/velvetarium.metainfo.xml man/man6/velvetarium.6.gz \
  doc/velvetarium/copyright icons/hicolor/{32x32,64x64,128x128,256x256}/apps/velvetarium.png; do
  has " \./usr/share/${file//./\\.}$" "/usr/share/$file"
done
for name in 476.tga whirligig.bmp song.wav intro.wav LetterNoise.wav; do
  has "^-rw-r--r-- root/root .* \./usr/share/games/velvetarium/$name$" "$name"
done
expected=$(find "$GAME_DIR" -maxdepth 1 -type f \( -name '*.tga' -o -name '*.bmp' -o -name '*.pcx' -o -name '*.wav' \) | wc -l)
packed=$(grep -c ' \./usr/share/games/velvetarium/[^/]' "$RUN_DIR/contents.txt")
[ "$packed" = "$expected" ] || fail "$packed data files packed, $expected in the run directory"
grep -qE 'savegame\.txt|log\.txt|/usr/local/' "$RUN_DIR/contents.txt" && fail "the package holds a player file or /usr/local"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package) $(field Section)" = "velvetarium games" ] || fail "package $(field Package) in section $(field Section)"
depends=$(field Depends)
# One package name a line, alternatives included, versions dropped.
names=$(tr ',|' '\n\n' <<<"$depends" | awk 'NF { print $1 }')
for runtime in libgl1 libsdl-mixer1.2 libc6 libstdc++6; do
  grep -qxF "$runtime" <<<"$names" || fail "Depends lacks $runtime: $depends"
done
grep -qxE 'libsdl1\.2debian|libsdl1\.2-compat-shim' <<<"$names" || fail "Depends lacks SDL 1.2: $depends"
grep -qE -- '-dev$' <<<"$names" && fail "Depends names a development package: $depends"
echo "debian-package: ok"
