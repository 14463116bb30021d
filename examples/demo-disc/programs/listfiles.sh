#!/bin/sh
# Lists the files of the demo disc into a text file and opens it.
out="${HOME:-/tmp}/demo-disc-files.txt"
ls -lR .. > "$out"
command -v xdg-open >/dev/null 2>&1 && xdg-open "$out"
