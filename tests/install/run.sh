#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR, checks what a desktop reads from
# there (menu entry, icons, software-centre description, manual page), runs the
# installed program's --version, then starts it headless with no program
# folder named and checks that the library appears in the user's data folder
# and that nothing is written under the installation.
#   run.sh BUILD_DIR VERSION
# Exit 77 (skipped) when a tool the checks need is missing.
set -uo pipefail
build=$1
version=$2

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

for tool in cmake:cmake desktop-file-validate:desktop-file-utils appstreamcli:appstream groff:groff-base; do
  command -v "${tool%%:*}" >/dev/null || skip "${tool%%:*} is missing (Debian package ${tool#*:}; scripts/install-deps.sh installs it)"
done
[ -x "$build/bin/echolon" ] || skip "$build/bin/echolon is not built"

tmp=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

root=$tmp/root
prefix=/usr
DESTDIR=$root cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 ||
  { cat "$tmp/install.log"; fail "cmake --install"; }
inst=$root$prefix

for f in bin/echolon bin/echolon-sim; do
  [ -x "$inst/$f" ] || fail "$f not installed"
done
for f in share/applications/echolon.desktop share/metainfo/org.echolon.echolon.metainfo.xml \
         share/icons/hicolor/scalable/apps/echolon.svg share/man/man1/echolon.1 share/doc/echolon/README.md; do
  [ -s "$inst/$f" ] || fail "$f not installed"
done

# Each PNG must really be of the size its folder says (width and height from the header).
for size in 16 32 48 64 128 256; do
  png=$inst/share/icons/hicolor/${size}x${size}/apps/echolon.png
  [ -s "$png" ] || fail "icon ${size}x${size} not installed"
  read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$png")
  [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "icon ${size}x${size} is ${w}x${h}"
done

# Clean means not even a hint from either validator.
out=$(desktop-file-validate "$inst/share/applications/echolon.desktop" 2>&1) && [ -z "$out" ] ||
  fail "desktop-file-validate: $out"
grep -qx 'Categories=Science;Electronics;' "$inst/share/applications/echolon.desktop" ||
  fail "desktop entry: categories are not Science;Electronics"
out=$(appstreamcli validate --no-net --pedantic "$inst/share/metainfo/org.echolon.echolon.metainfo.xml" 2>&1) &&
  ! grep -q '^[EWIP]:' <<<"$out" || fail "appstreamcli validate: $out"
grep -q "<release version=\"$version\"" "$inst/share/metainfo/org.echolon.echolon.metainfo.xml" ||
  fail "metainfo has no release entry for $version"
warnings=$(groff -man -ww -z "$inst/share/man/man1/echolon.1" 2>&1)
[ -z "$warnings" ] || fail "manual page: $warnings"

# The program runs from the installation with a clean user environment.
home=$tmp/home
mkdir -p "$home" "$tmp/data" "$tmp/config" "$tmp/cwd"
# Called only in a subshell ($(...) or &), which it replaces by the program:
# the background job's pid is then the program's own, and ending it ends the program.
run() {
  cd "$tmp/cwd" && exec env -u ECHOLON_HOME -u DESTDIR HOME="$home" XDG_DATA_HOME="$tmp/data" \
    XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp" QT_QPA_PLATFORM=offscreen "$@"
}

out=$(run timeout 60 "$inst/bin/echolon" --version 2>&1) || fail "echolon --version: $out"
case $out in *"$version"*) ;; *) fail "echolon --version does not name $version: $out" ;; esac

find "$root" | sort >"$tmp/before"
library=$tmp/data/echolon/Data/ecl41_data.db
run "$inst/bin/echolon" --lang described >"$tmp/program.log" 2>&1 &
pid=$!
for _ in $(seq 1 600); do
  [ -s "$library" ] && break
  kill -0 "$pid" 2>/dev/null || { cat "$tmp/program.log"; fail "the program ended before creating $library"; }
  sleep 0.1
done
if [ ! -s "$library" ]; then
  cat "$tmp/program.log"
  find "$root" | sort | diff "$tmp/before" -
  fail "no library at \$XDG_DATA_HOME/echolon after 60 s"
fi
# Let start-up finish writing (compare library, lists, backup) before ending it.
sleep 2
kill -TERM "$pid"
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -KILL "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
pid=

find "$root" | sort >"$tmp/after"
diff "$tmp/before" "$tmp/after" >/dev/null || { diff "$tmp/before" "$tmp/after"; fail "files appeared under the installation"; }
[ -z "$(ls -A "$tmp/cwd")" ] || fail "files appeared in the working folder: $(ls -A "$tmp/cwd")"
stray=$(find "$tmp" -name 'ecl41_*' -not -path "$tmp/data/echolon/*")
[ -z "$stray" ] || fail "library files outside \$XDG_DATA_HOME/echolon: $stray"
echo "installed into $root; library created in \$XDG_DATA_HOME/echolon only"
