#!/usr/bin/env python3
"""Tests of the benchmark report merger (bench_report.py)."""

import contextlib
import io
import json
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bench_report  # noqa: E402


def aggregate(name, aggregate_name, cpu, real=None):
    return {"name": name + "_" + aggregate_name, "run_name": name, "run_type": "aggregate",
            "aggregate_name": aggregate_name, "repetitions": 20, "cpu_time": cpu,
            "real_time": real if real is not None else cpu * 3, "time_unit": "ns"}


NATIVE = {
    "context": {"target:parse": "1.2", "subject:parse": "ParseFieldFloat",
                "baseline:parse": "strtod", "target:format": "1.2"},
    "benchmarks": [
        {"name": "parse/subject", "run_name": "parse/subject", "run_type": "iteration",
         "cpu_time": 999.0, "time_unit": "ns"},
        aggregate("parse/subject", "mean", 500.0),
        aggregate("parse/subject", "median", 60.0),
        aggregate("parse/baseline", "median", 50.0),
        aggregate("format/subject", "median", 130.0),
        aggregate("format/baseline", "median", 100.0),
    ],
}


class NativePairing(unittest.TestCase):
    def test_pairs_the_cpu_time_medians_and_reads_the_targets(self):
        by_name = {c["name"]: c for c in bench_report.native_comparisons(NATIVE)}
        self.assertEqual({"parse", "format"}, set(by_name))
        parse = by_name["parse"]
        self.assertEqual((60.0, 50.0), (parse["subject_median"], parse["baseline_median"]))
        self.assertAlmostEqual(1.2, parse["ratio"])
        self.assertTrue(parse["met"])  # a ratio equal to the target meets it
        self.assertEqual(("ParseFieldFloat", "strtod"), (parse["subject"], parse["baseline"]))
        self.assertFalse(by_name["format"]["met"])  # 1.3 > 1.2

    def test_a_pair_without_baseline_or_target_is_missed(self):
        document = {"context": {}, "benchmarks": [aggregate("lonely/subject", "median", 5.0)]}
        [lonely] = bench_report.native_comparisons(document)
        self.assertIsNone(lonely["ratio"])
        self.assertFalse(lonely["met"])
        zero = bench_report.make_comparison("z", "", "", 1.0, 0.0, 2.0, "us", 1, "wine")
        self.assertIsNone(zero["ratio"])
        self.assertFalse(zero["met"])


class Frugality(unittest.TestCase):
    def test_growth_and_a_blind_watch_are_misses(self):
        clean = {"gdi_watch_active": True, "gdi_growth": 0, "host_block_growth": 0}
        self.assertEqual([], bench_report.frugality_misses(clean))
        self.assertEqual(1, len(bench_report.frugality_misses(dict(clean, gdi_growth=3))))
        self.assertEqual(1, len(bench_report.frugality_misses(dict(clean, host_block_growth=-1))))
        self.assertEqual(1, len(bench_report.frugality_misses(dict(clean, gdi_watch_active=False))))
        self.assertEqual(1, len(bench_report.frugality_misses({})))

    def test_the_shipped_module_meets_its_size_target_up_to_the_byte(self):
        clean = {"gdi_watch_active": True, "gdi_growth": 0, "host_block_growth": 0}
        target = bench_report.MODULE_TARGET_BYTES
        with tempfile.TemporaryDirectory() as folder:
            module = os.path.join(folder, "module.tsx")
            for size, met in ((target, True), (target + 1, False), (None, False)):
                if size is None:
                    os.remove(module)
                else:
                    with open(module, "wb") as f:
                        f.truncate(size)
                figures = bench_report.frugality_figures({"frugality": clean}, module, module)
                self.assertEqual(met, figures["module_shipped"]["met"], size)
                self.assertEqual(0 if met else 1, len(bench_report.frugality_misses(figures)), size)
                self.assertNotIn("met", figures["module_run"])  # only the shipped one has a target


class WholeReport(unittest.TestCase):
    def test_merges_both_sources_and_exits_zero_with_misses(self):
        wine = {"comparisons": [{"name": "keystroke apply", "subject": "s", "baseline": "b",
                                 "unit": "us", "subject_median": 30.0, "baseline_median": 10.0,
                                 "subject_quartiles": [29.0, 31.0], "rounds": 100,
                                 "target": 1.5, "met": True}],
                "frugality": {"gdi_watch_active": True, "gdi_growth": 0, "host_block_growth": 0,
                              "repaints": 10, "click_rounds": 1, "controls_clicked": 2,
                              "gdi_created_during_run": 4, "host_blocks_before": 0,
                              "host_blocks_after": 0},
                "round_trip_us": 5.0, "unverified_rounds": 0, "message_boxes": 0}
        with tempfile.TemporaryDirectory() as folder:
            paths = {name: os.path.join(folder, name) for name in
                     ("native.json", "wine.json", "module.tsx", "out/bench.json")}
            with open(paths["native.json"], "w") as f:
                json.dump(NATIVE, f)
            with open(paths["wine.json"], "w") as f:
                json.dump(wine, f)
            with open(paths["module.tsx"], "wb") as f:
                f.write(b"\0" * 1234)
            printed = io.StringIO()
            with contextlib.redirect_stdout(printed):
                status = bench_report.main([
                    "--native", paths["native.json"], "--wine", paths["wine.json"],
                    "--shipped-module", paths["module.tsx"],
                    "--run-module", os.path.join(folder, "absent.tsx"),
                    "--out", paths["out/bench.json"]])
            self.assertEqual(0, status)
            with open(paths["out/bench.json"]) as f:
                report = json.load(f)
        names = [c["name"] for c in report["comparisons"]]
        self.assertEqual(["keystroke apply", "format", "parse"], names)
        keystroke = report["comparisons"][0]
        # The merger forms the ratio and the verdict itself, whatever the
        # source claimed.
        self.assertAlmostEqual(3.0, keystroke["ratio"])
        self.assertFalse(keystroke["met"])
        self.assertEqual([29.0, 31.0], keystroke["subject_quartiles"])
        self.assertAlmostEqual(4.0, keystroke["excess_round_trips"])  # 20 us at 5 us each
        self.assertEqual(5.0, report["wine_round_trip_us"])
        self.assertEqual(["keystroke apply", "format"], report["missed"])
        self.assertEqual(1234, report["frugality"]["module_shipped"]["bytes"])
        self.assertIsNone(report["frugality"]["module_run"]["bytes"])
        text = printed.getvalue()
        self.assertIn("MISSED: keystroke apply; format", text)
        self.assertIn("1234 bytes", text)
        self.assertIn("1234 bytes, target at most %d bytes: met" % bench_report.MODULE_TARGET_BYTES,
                      text)


if __name__ == "__main__":
    unittest.main()
