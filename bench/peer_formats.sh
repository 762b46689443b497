#!/usr/bin/env bash
# Times a peer parser, @xwordly/xword-parser 1.0.5 from npm (installed under build/peer, never
# into the repository), on the same .ipuz, .jpz and .xd samples bench_formats reads, so the two
# can be compared; the peer is a yardstick, not part of the game.
# Usage: bench/peer_formats.sh [BUILD_DIR]   (default build/default, with bench_formats built)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/default}
peer=$root/build/peer
samples=$(mktemp -d)
trap 'rm -rf "$samples"' EXIT
if [[ ! -d $peer/node_modules/@xwordly/xword-parser ]]; then
    mkdir -p "$peer"
    npm install --prefix "$peer" --no-audit --no-fund @xwordly/xword-parser@1.0.5 >/dev/null
fi
CROSSWORD_FORMAT_SAMPLES=$samples "$build/bin/bench_formats" --benchmark_min_time=0.001 \
    >/dev/null 2>&1
# The timing script sits beside the peer's node_modules, where require() finds it.
cat >"$peer/time_peer.mjs" <<'JS'
import fs from 'fs';
import path from 'path';
import * as p from '@xwordly/xword-parser';
const folder = process.argv[2];
const parsers = { '.ipuz': p.parseIpuz, '.jpz': p.parseJpz, '.xd': p.parseXd };
for (const name of fs.readdirSync(folder).sort()) {
    const text = fs.readFileSync(path.join(folder, name), 'utf8');
    const parse = parsers[path.extname(name)];
    for (let i = 0; i < 200; i++) parse(text);  // warm the JIT
    const runs = [];
    for (let r = 0; r < 10; r++) {
        const n = 500;
        const start = process.hrtime.bigint();
        for (let i = 0; i < n; i++) parse(text);
        runs.push(Number(process.hrtime.bigint() - start) / n / 1000);
    }
    runs.sort((a, b) => a - b);
    console.log(`${name}\t${runs[5].toFixed(1)} us (median of 10 runs of 500)`);
}
JS
node "$peer/time_peer.mjs" "$samples"
