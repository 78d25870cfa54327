#!/bin/sh
# Regenerates the Shift_JIS (code page 932) sample files from their UTF-8
# sources.  The program reads Windows text files, so the generated files get
# CR LF line ends; the UTF-8 sources are kept with plain LF for easy editing.
# glibc's CP932 is the Windows mapping (U+005C stays 0x5C, × is 0x81 0x7E).
set -eu
cd "$(dirname "$0")/../res/sample"
export LC_ALL=C
for name in Kestrow ClrList; do
    tr -d '\r' < "$name.utf8.txt" | sed 's/$/\r/' \
        | iconv -f UTF-8 -t CP932 > "$name.txt.tmp"
    mv "$name.txt.tmp" "$name.txt"
done
