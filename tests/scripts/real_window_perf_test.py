#!/usr/bin/env python3
"""The real-window measurement from end to end, on this build's game: one measured start
under its own Xvfb must give the start, memory and idle figures and ten keystrokes, in the
shape the performance page reads. The figures are not judged here: make perf does that.
    real_window_perf_test.py BIN_FOLDER"""

import os
import subprocess
import sys
import tempfile
import unittest

SCRIPTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts")
sys.path.insert(0, SCRIPTS)
import performance_report as report  # noqa: E402

BIN = sys.argv.pop(1) if len(sys.argv) > 1 else "build/default/bin"


class RealWindowMeasurement(unittest.TestCase):
    def test_one_start_gives_every_figure_the_page_judges(self):
        with tempfile.TemporaryDirectory() as folder:
            out = os.path.join(folder, "realwindow.json")
            result = subprocess.run(
                ["bash", os.path.join(SCRIPTS, "real_window_perf.sh"), BIN, out],
                env=dict(os.environ, RUNS="1"), capture_output=True, text=True, timeout=240)
            self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
            _, runs = report.load_runs(folder)
        start = runs[("realwindow", "RealWindow/StartToFirstFrame")]
        self.assertEqual(len(start.real_ns), 1)
        self.assertGreater(start.real_ns[0], 0)
        for counter in ("mapped_ms", "rss_MB", "pss_MB", "idle_cpu_percent",
                        "idle_clock_cpu_percent"):
            self.assertEqual(len(start.counters.get(counter, [])), 1, counter)
        self.assertGreater(start.counters["rss_MB"][0], 1)
        self.assertLessEqual(start.counters["mapped_ms"][0], start.real_ns[0] / 1e6)
        keys = runs[("realwindow", "RealWindow/KeystrokeToPixels")]
        self.assertEqual(len(keys.real_ns), 10)
        self.assertTrue(all(ns > 0 for ns in keys.real_ns))
        for target in (t for t in report.TARGETS if t.program == "realwindow"):
            row = report.verdict_row(target, runs, "")
            self.assertNotIn(row[report.RESULT], ("", None), target.figure)
            self.assertNotIn("no value", row, target.figure)


if __name__ == "__main__":
    unittest.main()
