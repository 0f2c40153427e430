#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""kellvar-report's machine outputs, read back with Python's own csv and json
parsers and checked against sums computed here from the per-connection fields."""

import collections
import csv
import io
import json
import os
import subprocess
import sys
import tempfile
import unittest

REPORT = sys.argv.pop(1)
LOGS = sys.argv[1:]
sys.argv[1:] = []

FIELDS = ["number", "connect", "hangup", "dial", "duration_s", "dial_s", "read_rate", "write_rate",
          "received_bytes", "sent_bytes", "speed_bps", "overrun_errors"]


def report(*arguments, locale="de_DE.UTF-8"):
    environment = dict(os.environ, LC_ALL=locale)
    run = subprocess.run([REPORT, *arguments], capture_output=True, env=environment, timeout=60)
    return run.returncode, run.stdout.decode("utf-8"), run.stderr.decode("utf-8")


def table_rows(text):
    """Rows of the copied table: its lines less the caption line."""
    return max(0, text.count("\r\n") - 1)


def cents(text):
    """A two-decimal text as exact hundredths."""
    whole, _, fraction = text.partition(".")
    assert len(fraction) == 2, text
    sign = -1 if whole.startswith("-") else 1
    return sign * (abs(int(whole)) * 100 + int(fraction))


class MachineOutputs(unittest.TestCase):
    def connections(self, log, *options):
        code, out, err = report("--format=csv", *options, log)
        self.assertEqual(code, 0, err)
        self.assertNotIn("\r", out)
        rows = list(csv.DictReader(io.StringIO(out)))
        self.assertEqual(out.splitlines()[0].split(","), FIELDS)
        return rows

    def test_csv_and_json_agree_field_by_field(self):
        for log in LOGS:
            rows = self.connections(log)
            code, out, err = report("--format=json", log)
            self.assertEqual(code, 0, err)
            document = json.loads(out)
            self.assertEqual(document["log"], log)
            self.assertEqual(len(document["connections"]), len(rows))
            for row, item in zip(rows, document["connections"]):
                self.assertEqual(list(item), FIELDS)
                for field in FIELDS:
                    value = item[field]
                    shown = "" if value is None else (f"{value:.2f}" if isinstance(value, float) else str(value))
                    self.assertEqual(row[field], shown, field)

    def test_json_summary_is_the_sum_of_its_connections(self):
        for log in LOGS:
            document = json.loads(report("--format=json", log)[1])
            connections, summary = document["connections"], document["summary"]
            self.assertEqual(summary["connections"], len(connections))
            self.assertEqual(cents(f'{summary["duration_s"]:.2f}'),
                             sum(cents(f'{c["duration_s"]:.2f}') for c in connections))
            self.assertEqual(summary["received_bytes"], sum(c["received_bytes"] for c in connections))
            self.assertEqual(summary["sent_bytes"], sum(c["sent_bytes"] for c in connections))
            self.assertEqual(summary["connections"], table_rows(report("--english", log)[1]))

    def test_period_totals_add_up_the_connections(self):
        for log in LOGS:
            rows = self.connections(log)
            for period, width in (("day", 10), ("month", 7), ("year", 4)):
                expected = collections.OrderedDict()
                for row in sorted(rows, key=lambda r: r["connect"]):
                    total = expected.setdefault(row["connect"][:width], [0, 0, 0, 0])
                    total[0] += 1
                    total[1] += cents(row["duration_s"])
                    total[2] += int(row["received_bytes"])
                    total[3] += int(row["sent_bytes"])
                code, out, err = report("--format=csv", "--by=" + period, log)
                self.assertEqual(code, 0, err)
                got = {r["period"]: [int(r["connections"]), cents(r["duration_s"]), int(r["received_bytes"]),
                                     int(r["sent_bytes"])] for r in csv.DictReader(io.StringIO(out))}
                self.assertEqual(got, dict(expected), period)
                self.assertEqual(list(got), sorted(got), "in time order")
                document = json.loads(report("--format=json", "--by=" + period, log)[1])
                self.assertEqual(document["total"]["connections"], len(rows))

    def test_since_and_until_keep_connect_dates_inclusively(self):
        log = LOGS[0]
        rows = self.connections(log)
        dates = sorted({r["connect"][:10] for r in rows})
        first, last = dates[1], dates[-2]
        kept = self.connections(log, "--since=" + first, "--until", last)
        self.assertEqual([r["number"] for r in kept],
                         [r["number"] for r in rows if first <= r["connect"][:10] <= last])
        self.assertTrue(kept and len(kept) < len(rows))
        text = report("--english", "--since=" + first, "--until=" + last, log)[1]
        self.assertEqual([line.split("\t")[0] for line in text.split("\r\n")[1:-1]], [r["number"] for r in kept],
                         "the table keeps the same rows, numbered as in the whole log")

    def test_text_totals_are_aligned_with_a_total_line(self):
        code, out, err = report("--english", "--by=month", LOGS[0], locale="C.UTF-8")
        self.assertEqual(code, 0, err)
        lines = out.splitlines()
        self.assertTrue(lines[0].startswith("Period"))
        self.assertTrue(lines[-1].startswith("Total"))
        self.assertEqual(len({len(line) for line in lines}), 1, out)

    def test_bad_values_are_one_line_usage_errors(self):
        for arguments in (["--format=xml"], ["--by=fortnight"], ["--since=2000-02-30"], ["--until=yesterday"],
                          ["--summary", "--since=2000-01-01"], ["--top=2"], ["--since=2000-13"]):
            code, out, err = report(*arguments, LOGS[0])
            self.assertEqual(code, 2, arguments)
            self.assertEqual(out, "")
            self.assertEqual(err.count("\n"), 1, err)

    def test_a_log_path_with_quotes_and_foreign_bytes_stays_valid_json(self):
        with tempfile.TemporaryDirectory() as directory:
            path = os.path.join(os.fsencode(directory), b'odd "name" \\ \xff.log')
            with open(LOGS[0], "rb") as source, open(path, "wb") as target:
                target.write(source.read())
            run = subprocess.run([REPORT, "--format=json", path], capture_output=True, timeout=60)
            self.assertEqual(run.returncode, 0, run.stderr)
            self.assertTrue(json.loads(run.stdout.decode("utf-8"))["log"].endswith('odd "name" \\ \ufffd.log'))


if __name__ == "__main__":
    unittest.main(verbosity=1)
