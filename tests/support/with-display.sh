#!/usr/bin/env bash
# Runs a command with a private virtual X display (Xvfb, Mesa's software
# OpenGL) and takes the display down afterwards, whatever the command did.
# -noreset: a server left without clients would otherwise reset, and a
# program connecting in that moment would find no display.
set -u
fdfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fdfile" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 600); do
    [ -s "$fdfile" ] && break
    sleep 0.05
done
display=$(head -n1 "$fdfile")
rm -f "$fdfile"
if [ -z "$display" ]; then
    echo "with-display: Xvfb did not start" >&2
    kill "$xvfb" 2>/dev/null
    exit 1
fi
export DISPLAY=":$display"
"$@"
status=$?
kill "$xvfb" 2>/dev/null
wait "$xvfb" 2>/dev/null
exit $status
