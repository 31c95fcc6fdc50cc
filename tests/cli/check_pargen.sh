#!/usr/bin/env bash
# kestrion-cli check over ParGen.xml: findings, their language and the exit status.
# Arguments: CLI_BINARY TESTS_DATA_DIR SHARED_DIR
set -uo pipefail
cli=$1
data=$2/pargen
failures=0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# expect NAME STATUS EXPECTED_STDOUT -- COMMAND...
expect() {
    local name=$1 status=$2 expected=$3
    shift 4
    local out rc
    out=$("$@" 2>"$tmp/stderr")
    rc=$?
    if [ "$rc" != "$status" ] || [ "$out" != "$expected" ]; then
        echo "FAIL $name: status $rc (expected $status)"
        echo "  stdout: $out"
        echo "  expected: $expected"
        echo "  stderr: $(cat "$tmp/stderr")"
        failures=$((failures + 1))
    else
        echo "pass $name"
    fi
}

# An empty workspace: English defaults.
mkdir -p "$tmp/ws" "$tmp/new-project"
ws=(--workspace "$tmp/ws")

expect "project without ParGen.xml uses the defaults" 0 "ok" -- \
    "$cli" "${ws[@]}" check "$tmp/new-project"

expect "first failing rule only, as text number and message" 1 \
    "error 0939: Error BACnet!! PORT must be between 0 and 65535, and different from 10000 and 10001" -- \
    "$cli" "${ws[@]}" check "$data/bad-port"

expect "values the dialog cannot show are warnings" 0 \
"warning 1131: Warning ParGen!! BACnet_Type holds \"7\", which is not one of its choices: \"BACnet/IP\" is used in its place
warning 1132: Warning ParGen!! WebServer_Username is longer than its field allows: it is shortened to \"adminis\"" -- \
    "$cli" "${ws[@]}" check "$data/type-out-of-list"

expect "a file that is not XML is an error" 1 \
    "error 1130: Error ParGen!! The file ParGen.xml could not be read (it is not a valid XML file): the default values are used in its place" -- \
    "$cli" "${ws[@]}" check "$data/not-xml"

expect "messages in the workspace's language" 1 \
    "error 0939: Errore BACnet!! La PORTA deve essere tra 0 e 65535, diversa da 10000 e 10001" -- \
    "$cli" --workspace "$data/workspace-italiano" check "$data/bad-port"

expect "no project folder is a usage error" 2 "" -- "$cli" "${ws[@]}" check
expect "two project folders are a usage error" 2 "" -- \
    "$cli" "${ws[@]}" check "$data/bad-port" "$data/not-xml"
expect "a missing project folder is unreadable" 2 "" -- \
    "$cli" "${ws[@]}" check "$tmp/no-such-project"
expect "a file is not a project folder" 2 "" -- \
    "$cli" "${ws[@]}" check "$data/bad-port/ParGen.xml"

[ -z "$(ls -A "$tmp/new-project")" ] || { echo "FAIL check wrote into the project"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ]
