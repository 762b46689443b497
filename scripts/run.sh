#!/usr/bin/env bash
# Starts the game from a build's bin folder; until the game exists, says what was built.
set -euo pipefail
bin=$1
if [[ -x "$bin/crossword" ]]; then
    exec "$bin/crossword"
fi
echo "The game is not built yet. Programs built so far in $bin:"
ls -1 "$bin" 2>/dev/null | sed 's/^/  /' || true
