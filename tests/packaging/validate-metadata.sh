#!/bin/sh
# Runs one of the freedesktop validators on a file of the source or build
# tree and fails on anything it reports above the level of a plain remark.
#
# usage: validate-metadata.sh desktop <file.desktop>
#        validate-metadata.sh appstream <file.metainfo.xml>
#        validate-metadata.sh manpage <file.1> <expected "Aurivane X.Y.Z">

set -u
kind=$1
file=$2

need() {
    if ! command -v "$1" >/dev/null; then
        echo "FAIL: $1 not found: install the Debian package $2" >&2
        exit 1
    fi
}

[ -f "$file" ] || { echo "FAIL: $file does not exist" >&2; exit 1; }

case $kind in
desktop)
    need desktop-file-validate desktop-file-utils
    # Hints count too: each names a real flaw of the entry.
    out=$(desktop-file-validate "$file" 2>&1)
    status=$?
    [ -z "$out" ] || echo "$out"
    [ "$status" = 0 ] && [ -z "$out" ]
    ;;
appstream)
    need appstreamcli appstream
    # Fails on warnings and errors; plain infos (such as http addresses)
    # pass.
    appstreamcli validate --no-net "$file"
    ;;
manpage)
    need man man-db
    expected=$3
    head -n 1 "$file" | grep -q "^\.TH AURIVANE 1 .*\"$expected\"" || {
        echo "FAIL: the .TH line does not name $expected: $(head -n 1 "$file")" >&2
        exit 1
    }
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$file" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "FAIL: formatting warnings: $warnings" >&2; exit 1; }
    ;;
*)
    echo "usage: $0 desktop|appstream|manpage <file> [...]" >&2
    exit 2
    ;;
esac
