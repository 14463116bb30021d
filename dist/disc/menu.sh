#!/bin/sh
# Starts this disc's menu on Linux with the runtime that lies beside it:
#     sh menu.sh
# Nothing here needs an execute bit (sticks formatted FAT and some discs show
# none): the system's own loader starts the menu program. Nothing is written
# on the disc.
disc=$(CDPATH='' cd -- "$(dirname -- "$0")" && pwd) || exit 1
runtime="$disc/discmenu-runtime"
case $(uname -m) in
x86_64 | amd64)
    loaders="/lib64/ld-linux-x86-64.so.2 /lib/x86_64-linux-gnu/ld-linux-x86-64.so.2"
    ;;
*)
    echo "The menu of this disc runs on 64-bit PCs (x86-64); this one is $(uname -m)." >&2
    exit 1
    ;;
esac
for loader in $loaders; do
    if [ -e "$loader" ]; then
        exec "$loader" --library-path "$runtime/lib" "$runtime/menu" \
            --runtime "$runtime" "$@" "$disc"
    fi
done
echo "The system's loader (ld-linux-x86-64.so.2) was not found: the menu needs a Linux with glibc." >&2
exit 1
