#!/usr/bin/env bash
# An install into a fresh prefix holds the game, its data and its desktop files, all valid;
# the installed game finds its data there; the Debian package carries the same.
# usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
id=org.tarmacwarden.TarmacWarden

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(
  games/tarmac-warden
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
  share/man/man6/tarmac-warden.6.gz
  share/doc/tarmac-warden/copyright
  share/doc/tarmac-warden/changelog.gz
  share/icons/hicolor/scalable/apps/$id.svg
)
for size in 32 64 128 256; do expected+=(share/icons/hicolor/${size}x$size/apps/$id.png); done
for f in n s e o; do expected+=(share/tarmac-warden/Plane/$f.jpg); done
for n in 1 2 3 4 5 6 7 8; do expected+=(share/tarmac-warden/Plane/$n.wav); done
for f in "${expected[@]}"; do [ -f "$prefix/$f" ] || fail "not installed: $f"; done

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null || fail "metainfo"
grep -q '^Exec=tarmac-warden$' "$prefix/share/applications/$id.desktop" || fail "desktop entry runs something else"
# The window's class, as the game sets it, ties its windows to this entry.
grep -q '^StartupWMClass=tarmac-warden$' "$prefix/share/applications/$id.desktop" || fail "desktop entry's window class"
gzip -t "$prefix/share/man/man6/tarmac-warden.6.gz" "$prefix/share/doc/tarmac-warden/changelog.gz" || fail "compressed docs"

version=$("$prefix/games/tarmac-warden" --version)
[ "$version" = "Tarmac Warden 1.00" ] || fail "--version printed '$version'"

# The installed game plays from its shared data folder: no Plane beside games/.
cd "$work"
"$prefix/games/tarmac-warden" --headless --timer-resolution 1 --script - >"$work/run.out" <<'SCRIPT'
wait 20010
print Form1.Aereo(1).Picture
SCRIPT
grep -qx 'Form1.Aereo(1).Picture = s.jpg' "$work/run.out" || fail "installed game did not load s.jpg: $(cat "$work/run.out")"

# Saves go to the player's data folder when the program folder cannot be written.
if [ "$(id -u)" -ne 0 ]; then chmod -R a-w "$prefix/share/tarmac-warden"; fi
export XDG_DATA_HOME=$work/data
"$prefix/games/tarmac-warden" --headless --timer-resolution 1 --script - >"$work/save.out" <<'SCRIPT'
wait 20
set Form1.CL 42
click Form1.Label2
SCRIPT
grep -qx 'message: Saved' "$work/save.out" || fail "save: $(cat "$work/save.out")"
[ -f "$XDG_DATA_HOME/tarmac-warden/Save.ini" ] || fail "no Save.ini in the player's data folder"
[ ! -e "$prefix/share/tarmac-warden/Save.ini" ] || fail "Save.ini written into the installed data"
"$prefix/games/tarmac-warden" --headless --timer-resolution 1 --script - >"$work/load.out" <<'SCRIPT'
wait 20
click Form1.Label3
wait 200
print Form1.CL
SCRIPT
grep -qx 'Form1.CL = 42' "$work/load.out" || fail "load: $(cat "$work/load.out")"

# The Debian package.
(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null) || fail "cpack"
deb=$(ls "$work"/package/tarmac-warden_*.deb)
contents=$(dpkg-deb --contents "$deb")
for f in ./usr/games/tarmac-warden ./usr/share/tarmac-warden/Plane/1.wav ./usr/share/tarmac-warden/Plane/s.jpg \
         ./usr/share/applications/$id.desktop; do
  grep -q " $f\$" <<<"$contents" || fail "package lacks $f"
done
depends=$(dpkg-deb --field "$deb" Depends)
grep -q libqt6widgets6 <<<"$depends" || fail "package depends on '$depends'"
grep -q fonts-inter <<<"$depends" || fail "package does not depend on the heavy face: '$depends'"
[ "$(dpkg-deb --field "$deb" Recommends)" = fonts-liberation2 ] || fail "package recommends"

# What a packager's lintian says: no error, and none of the warnings a careless package earns.
if command -v lintian >/dev/null; then
  lintian --tag-display-limit 0 "$deb" >"$work/lintian.out" 2>&1 || true
  careless='no-copyright-file|no-changelog|extended-description-is-empty|malformed-contact|unstripped-binary-or-object'
  careless+='|uncompressed-manual-page|package-section-games-but-contains-no-game|desktop-entry'
  if grep -E "^E: |: ($careless)" "$work/lintian.out"; then fail "lintian: $(cat "$work/lintian.out")"; fi
else
  fail "lintian is not installed (./run installs it)"
fi
echo "install, desktop files and package: ok"
