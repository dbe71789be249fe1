#!/usr/bin/env bash
# InstallTest.sh BUILD SOURCE VIDEOSERVICE MEDIA
# Installs the build into a fresh prefix (with a blank in its name), checks the
# program folder, the links, the menu entry and the icon, runs a whole job with
# the installed kestrune-convert (so the installed folder must be complete:
# the encoder and the help page beside the program), then uninstalls and
# checks that nothing is left. The build's own install_manifest.txt is put back.
set -euo pipefail
build=$1 source=$2 service=$3 media=$4
root=$(mktemp -d)
prefix="$root/the prefix"
manifest="$build/install_manifest.txt"
kept=
[ -e "$manifest" ] && { kept="$root/manifest.kept"; cp "$manifest" "$kept"; }
pid=
finish() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  if [ -n "$kept" ]; then cp "$kept" "$manifest"; else rm -f "$manifest"; fi
  rm -rf "$root"
}
trap finish EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
cp "$manifest" "$root/manifest"

folder="$prefix/lib/kestrune"
for program in kestrune kestrune-convert f.exe; do
  [ -x "$folder/$program" ] && [ ! -L "$folder/$program" ] || fail "$folder/$program is not a program of its own"
done
cmp -s "$folder/help.htm" "$source/resources/app/help.htm" || fail "help.htm differs from the source"
for program in kestrune kestrune-convert; do
  [ "$(readlink -f "$prefix/bin/$program")" = "$(readlink -f "$folder/$program")" ] || fail "bin/$program does not lead to the program folder"
done
cmp -s "$prefix/share/icons/hicolor/48x48/apps/kestrune.png" "$source/resources/app/icon.png" || fail "icon missing"
entry="$prefix/share/applications/kestrune.desktop"
grep -qx 'Icon=kestrune' "$entry" || fail "the menu entry names no icon"
grep -qxF "Exec=\"$prefix/bin/kestrune\"" "$entry" || fail "the menu entry does not start the installed program: $(grep Exec "$entry")"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$entry" || fail "the menu entry is not valid"; fi

"$prefix/bin/kestrune-convert" --help | grep -q '^usage: kestrune-convert ADDRESS \[FOLDER\]$' || fail "--help"

# A whole job through the link in bin/, with a home of its own.
mkdir -p "$root/home" "$root/cache" "$root/runtime" "$root/output" "$media"
"$service" --port 0 --media "$media" >"$root/service.log" 2>&1 &
pid=$!
for _ in $(seq 1 600); do grep -q '^listening on ' "$root/service.log" && break; sleep 0.1; done
base=$(sed -n 's/^listening on //p' "$root/service.log" | head -n 1)
[ -n "$base" ] || fail "the demo video service did not start"
echo Done > "$folder/done.txt"
HOME="$root/home" XDG_CACHE_HOME="$root/cache" XDG_RUNTIME_DIR="$root/runtime" \
  timeout -k 5 120 "$prefix/bin/kestrune-convert" "$base/watch?v=demo" "$root/output/" >"$root/job.log" 2>&1 ||
  { cat "$root/job.log"; fail "the installed kestrune-convert did not complete a job"; }
grep -q '^message: Done\.$' "$root/job.log" || fail "no Done."
ls "$root/output/"*.AVI >/dev/null || fail "no AVI file delivered"

# The program's own files in its folder go with the uninstall too.
echo 'settings' > "$folder/set.txt"
cmake -DMANIFEST="$root/manifest" -DPROGRAM_DIR=lib/kestrune -P "$source/cmake/KestruneUninstall.cmake" >/dev/null
left=$(find "$prefix" -mindepth 1)
[ -z "$left" ] || fail "left behind: $left"
