#!/bin/sh
# Every text the window's sources mark for translation has a finished,
# non-empty translation in each shipped catalogue. lupdate reads the sources
# afresh, so a text added without a translation fails here.
# $1: the source tree; $2: lupdate.
set -e
src=$1
lupdate=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$lupdate" -silent -no-obsolete -locations none "$src/app/gui" "$src/profiles/gui" "$src/controls" \
  -ts "$scratch/current.ts"
python3 - "$scratch/current.ts" "$src"/translations/orva_*.ts <<'PY'
import sys
import xml.etree.ElementTree as ET

def messages(path):
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            found[(name, message.findtext("source"))] = message.find("translation")
    return found

sources = messages(sys.argv[1])
failures = 0
for catalogue in sys.argv[2:]:
    shipped = messages(catalogue)
    for key in sources:
        translation = shipped.get(key)
        if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete") \
                or not (translation.text or "").strip():
            print(f"{catalogue}: no finished translation of {key[1]!r} ({key[0]})")
            failures += 1
print(f"{len(sources)} texts in {len(sys.argv) - 2} catalogues, {failures} missing")
sys.exit(1 if failures else 0)
PY
