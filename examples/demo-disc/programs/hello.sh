#!/bin/sh
# The demo disc's sample program: greets the user on the desktop.
message="Hello from the demo disc! This program ran in $(pwd)."
if command -v notify-send >/dev/null 2>&1; then
    notify-send "Demo disc" "$message"
elif command -v xmessage >/dev/null 2>&1; then
    xmessage "$message"
else
    echo "$message"
fi
