#!/usr/bin/env python3
"""Merges the figures of one scripts/bench run into a table and a JSON file.

Inputs: the native Google Benchmark output (JSON, median aggregates of
NAME/subject and NAME/baseline pairs, the targets in its custom context) and
the Wine panel benchmark's JSON (comparisons already paired, frugality
figures). Output: a table on stdout and one JSON document with every
comparison (name, both medians, ratio, target, met) and the frugality
figures, including the module's file sizes and whether the shipped module
stays within its size target.

The report never fails a run for a missed target; it says which are missed.
"""

import argparse
import json
import os
import sys


def native_comparisons(document):
    """Pairs NAME/subject with NAME/baseline among the median aggregates."""
    context = document.get("context", {})
    medians = {}
    repetitions = {}
    unit = {}
    for entry in document.get("benchmarks", []):
        if entry.get("run_type") != "aggregate" or entry.get("aggregate_name") != "median":
            continue
        name = entry.get("run_name", "")
        # CPU time: a benchmark that was descheduled by other work on the
        # machine does not count the time it was not running.
        medians[name] = entry.get("cpu_time")
        repetitions[name] = entry.get("repetitions")
        unit[name] = entry.get("time_unit", "ns")
    comparisons = []
    for name in sorted(n[: -len("/subject")] for n in medians if n.endswith("/subject")):
        subject = medians.get(name + "/subject")
        baseline = medians.get(name + "/baseline")
        target = context.get("target:" + name)
        comparisons.append(
            make_comparison(
                name,
                context.get("subject:" + name, name),
                context.get("baseline:" + name, "baseline"),
                subject,
                baseline,
                float(target) if target is not None else None,
                unit.get(name + "/subject", "ns"),
                repetitions.get(name + "/subject"),
                "native",
            )
        )
    return comparisons


def make_comparison(name, subject_what, baseline_what, subject, baseline, target, unit,
                    rounds, source):
    ratio = None
    if subject is not None and baseline:
        ratio = subject / baseline
    met = ratio is not None and target is not None and ratio <= target
    return {
        "name": name,
        "subject": subject_what,
        "baseline": baseline_what,
        "unit": unit,
        "subject_median": subject,
        "baseline_median": baseline,
        "ratio": ratio,
        "target": target,
        "met": met,
        "rounds": rounds,
        "source": source,
    }


def wine_comparisons(document):
    """The Wine comparisons, each with its excess over the baseline in Wine
    server round trips, which is where most of a Wine round's time goes."""
    round_trip = document.get("round_trip_us")
    comparisons = []
    for c in document.get("comparisons", []):
        merged = make_comparison(c.get("name"), c.get("subject"), c.get("baseline"),
                                 c.get("subject_median"), c.get("baseline_median"),
                                 c.get("target"), c.get("unit", "us"), c.get("rounds"),
                                 "wine")
        for key in ("subject_quartiles", "baseline_quartiles"):
            if key in c:
                merged[key] = c[key]
        subject, baseline = merged["subject_median"], merged["baseline_median"]
        if round_trip and subject is not None and baseline is not None:
            merged["excess_round_trips"] = (subject - baseline) / round_trip
        comparisons.append(merged)
    return comparisons


# The shipped module, resources and linked-in runtime included, stays within
# this many bytes (650 KB).
MODULE_TARGET_BYTES = 650000


def file_size(path):
    try:
        return os.path.getsize(path)
    except OSError:
        return None


def frugality_figures(wine, shipped_module, run_module):
    figures = dict(wine.get("frugality", {})) if wine else {}
    shipped = file_size(shipped_module)
    figures["module_shipped"] = {"path": shipped_module, "bytes": shipped,
                                 "target_bytes": MODULE_TARGET_BYTES,
                                 "met": shipped is not None and shipped <= MODULE_TARGET_BYTES}
    figures["module_run"] = {"path": run_module, "bytes": file_size(run_module)}
    return figures


def frugality_misses(figures):
    misses = []
    if figures.get("gdi_watch_active") is False:
        misses.append("the GDI watch saw none of the module's imports")
    if figures.get("gdi_growth") not in (0, None):
        misses.append("live GDI objects grew by %s" % figures["gdi_growth"])
    if figures.get("host_block_growth") not in (0, None):
        misses.append("host blocks outstanding grew by %s" % figures["host_block_growth"])
    if "gdi_growth" not in figures:
        misses.append("no frugality figures (the Wine benchmark did not run)")
    shipped = figures.get("module_shipped")
    if shipped and not shipped.get("met"):
        misses.append("the shipped module is %s, target at most %d bytes" % (
            "missing" if shipped.get("bytes") is None else "%d bytes" % shipped["bytes"],
            shipped.get("target_bytes")))
    return misses


def number(value, digits=2):
    if value is None:
        return "-"
    if abs(value) >= 1000:
        return "%.0f" % value
    return "%.*f" % (digits, value)


def table(comparisons, figures, round_trip=None):
    lines = []
    header = "%-18s %12s %12s %5s %7s %6s %7s  %s" % ("benchmark", "subject", "baseline", "unit",
                                                        "ratio", "target", "+trips", "")
    lines.append(header)
    lines.append("-" * len(header))
    for c in comparisons:
        lines.append("%-18s %12s %12s %5s %7s %6s %7s  %s" % (
            c["name"], number(c["subject_median"]), number(c["baseline_median"]), c["unit"],
            number(c["ratio"]), number(c["target"], 1),
            number(c.get("excess_round_trips"), 1), "met" if c["met"] else "MISSED"))
    if round_trip:
        lines.append("+trips: the subject's excess over its baseline in Wine server round "
                     "trips (one GetProp: %.1f us in this run)" % round_trip)
    lines.append("")
    lines.append("frugality")
    if "gdi_growth" in figures:
        lines.append("  live GDI objects: %+d over %d repaints and %d rounds of clicks on %d "
                     "controls (%d made and deleted on the way)" % (
                         figures["gdi_growth"], figures.get("repaints", 0),
                         figures.get("click_rounds", 0), figures.get("controls_clicked", 0),
                         figures.get("gdi_created_during_run", 0)))
        lines.append("  host blocks outstanding: %d before, %d after" % (
            figures.get("host_blocks_before", 0), figures.get("host_blocks_after", 0)))
    for key, label in (("module_shipped", "shipped module"), ("module_run", "module run")):
        entry = figures.get(key, {})
        size = entry.get("bytes")
        target = ""
        if "target_bytes" in entry:
            target = ", target at most %d bytes: %s" % (entry["target_bytes"],
                                                        "met" if entry.get("met") else "MISSED")
        lines.append("  %s: %s%s (%s)" % (label, "%d bytes" % size if size is not None else
                                           "missing", target, entry.get("path")))
    return "\n".join(lines)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--native", help="Google Benchmark JSON output")
    parser.add_argument("--wine", help="panel_bench JSON output")
    parser.add_argument("--shipped-module", required=True)
    parser.add_argument("--run-module", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args(argv)

    comparisons = []
    wine = None
    notes = []
    if args.native and os.path.exists(args.native):
        with open(args.native) as f:
            comparisons += native_comparisons(json.load(f))
    else:
        notes.append("no native figures")
    if args.wine and os.path.exists(args.wine):
        with open(args.wine) as f:
            wine = json.load(f)
        comparisons = wine_comparisons(wine) + comparisons
        if wine.get("unverified_rounds"):
            notes.append("%d Wine rounds did not do what they time" % wine["unverified_rounds"])
        if wine.get("message_boxes"):
            notes.append("%d message boxes were dismissed" % wine["message_boxes"])
    else:
        notes.append("no Wine figures")
    figures = frugality_figures(wine, args.shipped_module, args.run_module)

    missed = [c["name"] for c in comparisons if not c["met"]] + frugality_misses(figures)
    round_trip = wine.get("round_trip_us") if wine else None
    report = {"comparisons": comparisons, "frugality": figures, "missed": missed,
              "wine_round_trip_us": round_trip, "notes": notes}
    os.makedirs(os.path.dirname(os.path.abspath(args.out)), exist_ok=True)
    with open(args.out, "w") as f:
        json.dump(report, f, indent=2)
        f.write("\n")

    print(table(comparisons, figures, round_trip))
    print()
    for note in notes:
        print("note: " + note)
    if missed:
        print("MISSED: " + "; ".join(missed))
    else:
        print("every target met")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
