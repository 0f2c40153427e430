#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""kellvar-report --by=number and --number on a log written by hand: every
expected figure below was worked out on paper from the log's stamps."""

import csv
import io
import json
import os
import re
import subprocess
import sys
import tempfile
import unittest

REPORT = sys.argv.pop(1)


def session(day, dial, number, connect=None, speed=None, dropped=False, hang_up=None, read=0, written=0):
    """One driver session: dial, an optional connect, a hang-up where the
    line dropped ("NO CARRIER" first) or was hung up here, the statistics."""
    lines = [(dial, "Dialing.")]
    if number is not None:
        lines.append((dial, f"Send: ATD{number}<cr>"))
    if connect is None:
        lines += [(dial, "Recv: <cr><lf>BUSY<cr><lf>"), (dial, "Hanging up the modem.")]
        end = dial
    else:
        lines += [(connect, f"Recv: <cr><lf>CONNECT {speed}<cr><lf>"),
                  (connect, f"Connection established at {speed}bps.")]
        hang = [(hang_up, "Hanging up the modem."), (hang_up, "Hardware hangup by lowering DTR.")]
        carrier = [(hang_up, "Recv: <cr><lf>NO CARRIER<cr><lf>"), (hang_up, "Interpreted response: No Carrier")]
        lines += carrier + hang if dropped else hang + carrier
        end = hang_up
    lines += [(end, "Session Statistics:"), (end, f"   Reads : {read} bytes"), (end, f"   Writes: {written} bytes")]
    return "".join(f"{day} {stamp} - {text}\r\n" for stamp, text in lines)


DAY = "02-07-2000"
LOG = "".join([
    # 0191011: a dial that never connects, a line lost after 1800 s at
    # 28800 (30 s to connect), a 3600 s call at 49333 hung up here (20 s).
    session(DAY, "10:00:00.000", "T0191011"),
    session(DAY, "10:05:00.000", "T0191011", "10:05:30.000", 28800, True, "10:35:30.000", 180000, 18000),
    session(DAY, "11:00:00.000", "T0191011", "11:00:20.000", 49333, False, "12:00:20.000", 3600000, 360000),
    # 0800123, dialled by pulse with a dash: 600 s at 33600, 40 s to connect.
    session(DAY, "13:00:00.000", "P0800-123", "13:00:40.000", 33600, False, "13:10:40.000", 60000, 6000),
    # A number the driver hid: 1200 s at 31200, 25 s to connect.
    session(DAY, "14:00:00.000", "T##########", "14:00:25.000", 31200, False, "14:20:25.000", 120000, 12000),
    # A dial whose command the log lacks.
    session(DAY, "15:00:00.000", None),
])

# number: attempts, connects, success %, median and 90th percentile seconds
# to connect (nearest rank: of 20 and 30, the median is 20 and the 90th 30),
# min/median/max bps, carrier losses, hung up here, seconds online, bytes
# received and sent, (received + sent) / seconds.
EXPECTED = [
    ["0191011", "3", "2", "66.67", "20.00", "30.00", "28800", "28800", "49333", "1", "1", "5400.00", "3780000",
     "378000", "770.00"],
    ["0800123", "1", "1", "100.00", "40.00", "40.00", "33600", "33600", "33600", "0", "1", "600.00", "60000", "6000",
     "110.00"],
    ["hidden", "1", "1", "100.00", "25.00", "25.00", "31200", "31200", "31200", "0", "1", "1200.00", "120000",
     "12000", "110.00"],
    ["unknown", "1", "0", "0.00", "", "", "", "", "", "0", "0", "0.00", "0", "0", ""],
]


def report(*arguments):
    run = subprocess.run([REPORT, *arguments], capture_output=True, timeout=60,
                         env=dict(os.environ, LC_ALL="C.UTF-8"))
    return run.returncode, run.stdout.decode("utf-8"), run.stderr.decode("utf-8")


class Numbers(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        cls.log = os.path.join(cls.folder.name, "ModemLog.txt")
        with open(cls.log, "w", newline="") as log:
            log.write(LOG)
        cls.tariff = os.path.join(cls.folder.name, "minute.tariff")
        with open(cls.tariff, "w") as tariff:
            tariff.write("name Minute\ncurrency EUR 2\nunit 60 0.02\n")

    def csv_rows(self, *options):
        code, out, err = report("--by=number", "--format=csv", *options, self.log)
        self.assertEqual(code, 0, err)
        return list(csv.reader(io.StringIO(out)))

    def test_every_figure_per_number(self):
        rows = self.csv_rows()
        self.assertEqual(rows[0][:3], ["number", "attempts", "connects"])
        self.assertEqual(rows[1:], EXPECTED)

    def test_json_gives_the_same_figures_as_numbers_and_nulls(self):
        code, out, err = report("--by=number", "--format=json", self.log)
        self.assertEqual(code, 0, err)
        numbers = json.loads(out)["numbers"]
        self.assertEqual([n["number"] for n in numbers], ["0191011", "0800123", "hidden", "unknown"])
        self.assertEqual(numbers[0]["success_percent"], 66.67)
        self.assertEqual(numbers[0]["throughput_bytes_per_s"], 770.0)
        self.assertIsNone(numbers[3]["median_connect_s"])
        self.assertIsNone(numbers[3]["min_bps"])

    def test_costs_per_number(self):
        # A unit of 60 s for 0.02: 1800 s and 3600 s are 30 and 60 units, 1.80
        # for 1.5 hours, 1.20 an hour; 600 s 0.20; 1200 s 0.40.
        rows = self.csv_rows("--tariff=" + self.tariff)
        head = rows[0]
        cost = [dict(zip(head, row)) for row in rows[1:]]
        self.assertEqual([(c["cost"], c["cost_per_hour"]) for c in cost],
                         [("1.80", "1.20"), ("0.20", "1.20"), ("0.40", "1.20"), ("", "")])

    def test_number_patterns_keep_sessions_in_every_output(self):
        self.assertEqual(self.csv_rows("--number=0191*")[1:], EXPECTED[:1])
        self.assertEqual(self.csv_rows("--number=08?0123", "--number=0191011")[1:], EXPECTED[:2])
        code, out, err = report("--format=csv", "--number=0191*", self.log)
        self.assertEqual(code, 0, err)
        self.assertEqual([row[0] for row in list(csv.reader(io.StringIO(out)))[1:]], ["0", "1"])
        code, out, err = report("--by=month", "--format=csv", "--number=0800123", self.log)
        self.assertEqual(list(csv.reader(io.StringIO(out)))[1][:2], ["2000-02", "1"])

    def test_top_and_text(self):
        self.assertEqual(len(self.csv_rows("--top=2")), 3)
        code, out, err = report("--by=number", "--german", self.log)
        self.assertEqual(code, 0, err)
        lines = out.splitlines()
        self.assertTrue(lines[0].startswith("Nummer"), lines[0])
        self.assertEqual(lines[1].split()[:4], ["0191011", "3", "2", "66.67"])
        self.assertTrue(lines[3].startswith("verborgen"))
        self.assertTrue(lines[4].startswith("unbekannt"))

    def test_html_index_and_month_page_name_each_number(self):
        folder = os.path.join(self.folder.name, "html")
        code, _, err = report("--html=" + folder, self.log)
        self.assertEqual(code, 0, err)
        with open(os.path.join(folder, "index.html"), encoding="utf-8") as index:
            table = index.read().split("<caption>Numbers</caption>")[1].split("</table>")[0]
        self.assertEqual(re.findall(r'data-field="number">([^<]*)<', table), [row[0] for row in EXPECTED])
        self.assertEqual(re.findall(r'data-field="median_connect_s">([^<]*)<', table), ["20 s", "40 s", "25 s", "-"])
        with open(os.path.join(folder, "2000-02.html"), encoding="utf-8") as page:
            month = page.read().split("<caption>Numbers</caption>")[1].split("</table>")[0]
        self.assertEqual(re.findall(r'data-field="([a-z0-9_]*)"', month)[:5],
                         ["number", "attempts", "success_percent", "median_connect_s", "median_bps"])
        self.assertEqual(re.findall(r'data-field="success_percent">([^<]*)<', month),
                         ["66.67 %", "100 %", "100 %", "0 %"])

    def test_usage(self):
        for options in (["--by=number", "--summary"], ["--by=number", "--compare"], ["--number=01a1"],
                        ["--number=1", "--chart=rates", "--output=x.png"]):
            code, _, err = report(*options, self.log)
            self.assertEqual(code, 2, options)
            self.assertTrue(err.startswith("kellvar-report: "), err)


if __name__ == "__main__":
    unittest.main()
