#!/bin/sh
# Linux desktops that follow the freedesktop autostart convention offer to run
# this file when the disc or stick is inserted. The menu starts through sh, so
# no execute bit is needed.
exec sh "$(dirname -- "$0")/menu.sh" "$@"
