#!/usr/bin/env bash
# kestrion-cli answers --help and --version and refuses what it does not know.
set -u
cli=$1
fail() { echo "FAIL: $*"; exit 1; }
[ "$("$cli" --version)" = "1.100" ] || fail "--version"
"$cli" --help | grep -q "check PROJECT_DIR" || fail "--help lists check"
"$cli" --help | grep -q "iodd FILE" || fail "--help lists iodd"
"$cli" frobnicate 2>/dev/null; [ $? -eq 2 ] || fail "unknown command exits 2"
"$cli" 2>/dev/null; [ $? -eq 2 ] || fail "no command exits 2"
"$cli" --workspace 2>/dev/null; [ $? -eq 2 ] || fail "--workspace without folder exits 2"
echo ok
