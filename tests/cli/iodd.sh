#!/usr/bin/env bash
# kestrion-cli iodd: the decoded model as one JSON object; a one-line reason and exit 1
# for a file that is no usable IODD.
set -euo pipefail
cli=$1 data=$2 shared=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Exact keys, order and value forms, with the standard texts resolved.
"$cli" iodd "$data/iodd/device-rules.xml" --stddef "$data/iodd/stddef" >"$tmp/out.json"
diff "$data/iodd/device-rules.json" "$tmp/out.json" || fail "full output differs"

# --simple fills file, profileRevision and identity; the rest is present and empty.
"$cli" iodd --simple "$data/iodd/device-rules.xml" --stddef "$data/iodd/stddef" >"$tmp/simple.json"
python3 - "$tmp/simple.json" <<'PY' || fail "simple output"
import json, sys
d = json.load(open(sys.argv[1]))
assert list(d) == ["file", "profileRevision", "identity", "physicalLayer", "features",
                   "variables", "processData", "events", "menus"], list(d)
assert d["profileRevision"] == "1.1", d["profileRevision"]
assert d["identity"]["deviceName"] == 'Level Sensor "L1" – Ω'
assert d["physicalLayer"] == {} and d["features"] == {}
assert d["variables"] == d["processData"] == d["events"] == d["menus"] == []
PY

# --stddef defaults to the workspace's IOLink_StaDef folder.
mkdir -p "$tmp/ws/IOLink_StaDef"
cp "$data/iodd/stddef/"*.xml "$tmp/ws/IOLink_StaDef/"
"$cli" --workspace "$tmp/ws" iodd "$data/iodd/device-rules.xml" >"$tmp/ws.json"
diff "$data/iodd/device-rules.json" "$tmp/ws.json" || fail "default stddef folder"

# Bytes that are not UTF-8 still give valid JSON.
printf '<IODevice><ProfileBody><DeviceIdentity vendorName="A\xe9B"/></ProfileBody></IODevice>' >"$tmp/latin.xml"
"$cli" iodd --simple "$tmp/latin.xml" | python3 -c 'import json,sys; assert json.load(sys.stdin)["identity"]["vendorName"] == "A\ufffdB"' \
  || fail "invalid UTF-8"

# Unusable files: exit 1, one line on stderr naming the file, nothing on stdout.
echo "not xml" >"$tmp/bad.xml"
# A reason that quotes the file (here an id with line breaks) stays on one line.
printf '<IODevice xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance"><ProfileBody><DeviceFunction><DatatypeCollection><Datatype id="A&#10;B&#13;&#10;C" xsi:type="ArrayT" count="256"/></DatatypeCollection></DeviceFunction></ProfileBody></IODevice>' >"$tmp/newline.xml"
for f in "$tmp/bad.xml" "$tmp/missing.xml" "$data/iodd/device-bom.xml" "$tmp/newline.xml"; do
  set +e
  "$cli" iodd "$f" >"$tmp/stdout" 2>"$tmp/stderr"
  rc=$?
  set -e
  [ "$rc" -eq 1 ] || fail "$f: exit $rc"
  [ ! -s "$tmp/stdout" ] || fail "$f: output on stdout"
  [ "$(wc -l <"$tmp/stderr")" -eq 1 ] || fail "$f: stderr is not one line"
  grep -qF "$f" "$tmp/stderr" || fail "$f: stderr does not name the file"
done

# Usage errors.
set +e
"$cli" iodd >/dev/null 2>&1; [ $? -eq 2 ] || fail "no file"
"$cli" iodd a.xml b.xml >/dev/null 2>&1; [ $? -eq 2 ] || fail "two files"
"$cli" iodd a.xml --bogus >/dev/null 2>&1; [ $? -eq 2 ] || fail "unknown option"
set -e

# Every real device file gives one JSON object.
if [ -d "$shared/iodd" ]; then
  for f in "$shared"/iodd/*.xml; do
    case "$f" in *-DE.xml) continue ;; esac
    "$cli" iodd "$f" --stddef "$shared/iodd/stddef" | python3 -c 'import json,sys; json.load(sys.stdin)' \
      || fail "$f"
  done
fi
echo ok
