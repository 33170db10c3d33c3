#!/usr/bin/env python3
"""Prints a short human summary of `korvane --report` JSON read from standard input."""
import json
import sys

LABELS = ["1.9", "3.5", "7", "10", "14", "18", "21", "24", "28", "50", "144", "430", "1200",
          "2400", "5600", "other"]

report = json.load(sys.stdin)
summary = report["summary"]
print(f"Records read: {report['recordsRead']}, QSOs kept: {len(report['qsos'])}")
skipped = ", ".join(f"{reason} {n}" for reason, n in report["skipped"].items() if n)
cut = "unknown" if report["cut"] is None else report["cut"]
print(f"Left out: {skipped or 'none'}; records with a cut field: {cut}")
print(f"{'band':>8} {'QSOs':>6} {'points':>7} {'multi':>6}")
for band in summary["bands"]:
    if band["count"]:
        label = LABELS[band["index"]] + (" MHz" if band["index"] < 15 else "")
        print(f"{label:>8} {band['count']:>6} {band['points']:>7} {band['multipliers']:>6}")
if summary["totalsShown"]:
    print(f"{'total':>8} {summary['totalCount']:>6} {summary['totalPoints']:>7} "
          f"{summary['totalMultipliers']:>6}")
else:
    print("   total  (not shown: QSOs on bands without a summary row)")
if summary["scoreShown"]:
    print(f"Score: {summary['score']} (coefficient {summary['coefficient']})")
if summary["doesNotFitSheet"]:
    print("Too large for the sheet: " + ", ".join(summary["doesNotFitSheet"]))
print(f"Print document: {report['pages']} pages")
