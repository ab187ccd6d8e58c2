#!/bin/sh
# Brings translations/echolon_ru.ts and echolon_en.ts up to date with the
# texts of the sources: a new text is added unfinished (for a translator, or
# Linguist, to fill in), a text no longer in the sources is dropped. The
# translations test fails while any entry is unfinished.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
"$lupdate" -silent -locations none -no-obsolete "$root/src" \
  -ts "$root/translations/echolon_ru.ts" "$root/translations/echolon_en.ts"
