#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""kellvar-report with tariff files: costs worked out by hand for a log and
tariffs written here, and tariff errors refused before any output."""

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
EXAMPLE_LOG = sys.argv.pop(1)


def session(date, dialled, connect, hangup):
    return "".join(f"{date} {time} - {text}\n" for time, text in [
        (connect[:6] + "00.00", "Dialing."),
        (connect[:6] + "00.10", f"Send: ATDT{dialled}<cr>"),
        (connect, "Connection established at 46000bps."),
        (hangup, "Hanging up the modem."),
        (hangup, "Session Statistics:"),
        (hangup, "   Reads : 1000 bytes"),
        (hangup, "   Writes: 500 bytes"),
    ])


# Monday 1 March 1999 20:00:10-20:03:10 to 0191011; the same day 10:00:59 to
# 10:02:30 (91 s) to 030123; Saturday 6 March 10:00:00-10:05:00 to a number
# the driver hid.
LOG = (session("03-01-1999", "0191011", "20:00:10.00", "20:03:10.00")
       + session("03-01-1999", "030123", "10:00:59.00", "10:02:30.00")
       + session("03-06-1999", "##########", "10:00:00.00", "10:05:00.00"))

BY_CALL = """name By call
currency DM 2
numbers 0191*
unit 60 0.06
unit 60 0.04 at 18:00..08:00
unit 60 0.04 on saturday,sunday
"""

UNITS = """name Units
currency DM 2
unit 90 0.12
unit 240 0.12 on saturday,sunday
"""


class Costs(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)
        self.log = self.write("ModemLog.txt", LOG)
        self.by_call = self.write("by-call.tariff", BY_CALL)
        self.units = self.write("units.tariff", UNITS)

    def write(self, name, text):
        path = os.path.join(self.folder.name, name)
        with open(path, "w", encoding="utf-8") as file:
            file.write(text)
        return path

    def report(self, *arguments, locale="C.UTF-8"):
        run = subprocess.run([REPORT, *arguments], capture_output=True, timeout=60,
                             env=dict(os.environ, LC_ALL=locale))
        return run.returncode, run.stdout.decode("utf-8"), run.stderr.decode("utf-8")

    def test_each_connection_takes_the_file_its_number_matches(self):
        code, out, err = self.report("--format=csv", "--tariff=" + self.by_call, "--tariff=" + self.units, self.log)
        self.assertEqual(code, 0, err)
        rows = list(csv.DictReader(io.StringIO(out)))
        # By call at night: 3 minutes at 0.04. Units: 91 s of 90 s units is two
        # units; Saturday's 300 s of 240 s units is two.
        self.assertEqual([(r["cost"], r["currency"]) for r in rows], [("0.12", "DM"), ("0.24", "DM"), ("0.24", "DM")])
        code, out, err = self.report("--summary", "--format=json", "--tariff=" + self.by_call,
                                     "--tariff=" + self.units, self.log)
        summary = json.loads(out)["summary"]
        self.assertEqual((summary["cost"], summary["mean_cost"], summary["currency"]), (0.6, 0.2, "DM"))
        # 0.60 DM for 571 s online.
        self.assertEqual(summary["cost_per_hour"], 3.78)

    def test_a_connection_no_file_covers_has_no_cost(self):
        code, out, err = self.report("--format=json", "--tariff=" + self.by_call, self.log)
        document = json.loads(out)
        self.assertEqual([c["cost"] for c in document["connections"]], [0.12, None, None])
        self.assertEqual((document["summary"]["cost"], document["summary"]["unpriced_connections"]), (0.12, 2))

    def test_the_table_ends_in_a_costs_column_in_the_locales_decimals(self):
        code, out, err = self.report("--german", "--tariff=" + self.units, self.log, locale="de_DE.UTF-8")
        self.assertEqual(code, 0, err)
        lines = out.split("\r\n")
        self.assertEqual(lines[0].split("\t")[-3:], ["OvrErr", "Kosten", "Tarif"])
        # 180 s of 90-second units at night: two units, and which file priced them.
        self.assertEqual(lines[1].split("\t")[-3:], ["", "0,24 DM", "Units"])

    def test_compare_prices_every_connection_by_every_tariff(self):
        code, out, err = self.report("--compare", "--format=csv", "--tariff=" + self.units,
                                     "--tariff=" + self.by_call, self.log)
        self.assertEqual(code, 0, err)
        rows = [(r["tariff"], r["cost"], r["cheapest"], r["least_cost"]) for r in csv.DictReader(io.StringIO(out))]
        # Units: 0.24 each. By call: 0.12 at night, two day minutes 0.12, five
        # Saturday minutes 0.20; each the cheaper, so choosing costs as much.
        self.assertEqual(rows, [("Units", "0.72", "false", "false"), ("By call", "0.44", "true", "false"),
                                ("", "0.44", "false", "true")])

    def test_compare_says_what_the_cheapest_tariff_for_every_connection_costs(self):
        # Saturday 6 March 12:00 for 240 s: one 240-second unit, 0.12 DM, or
        # four weekend minutes by call, 0.16 DM. Units: 0.72 + 0.12 = 0.84;
        # by call 0.44 + 0.16 = 0.60; each connection's cheaper: 0.44 + 0.12 = 0.56.
        log = self.write("four.txt", LOG + session("03-06-1999", "030123", "12:00:00.00", "12:04:00.00"))
        tariffs = ("--tariff=" + self.units, "--tariff=" + self.by_call)
        code, out, err = self.report("--compare", "--english", *tariffs, log)
        self.assertEqual(out.splitlines()[:2], ["Period    Units    By call  Cheapest per connection",
                                                "Total   0.84 DM  0.60 DM *                  0.56 DM"])
        document = json.loads(self.report("--compare", "--format=json", *tariffs, log)[1])
        self.assertEqual((document["least_cost"]["cost"], document["least_cost"]["priced_connections"]), (0.56, 4))

    def test_compare_by_month_marks_the_cheapest_in_text_and_json(self):
        # Monday 1 February 1999, 10:00:10 to 10:01:30: 80 s, one unit of 0.12
        # or two day minutes of 0.06. A tie: both are cheapest.
        log = self.write("two-months.txt", session("02-01-1999", "0191011", "10:00:10.00", "10:01:30.00") + LOG)
        tariffs = ("--tariff=" + self.units, "--tariff=" + self.by_call)
        code, out, err = self.report("--compare", "--by=month", "--english", *tariffs, log)
        self.assertEqual((code, err), (0, ""))
        self.assertEqual(out, "Period       Units    By call  Cheapest per connection\n"
                              "1999-02  0.12 DM *  0.12 DM *                  0.12 DM\n"
                              "1999-03    0.72 DM  0.44 DM *                  0.44 DM\n"
                              "Total      0.84 DM  0.56 DM *                  0.56 DM\n"
                              "* cheapest; ? Connections without a Tariff\n")
        document = json.loads(self.report("--compare", "--by=month", "--format=json", *tariffs, log)[1])
        self.assertEqual([(month["period"], [(c["tariff"], c["cost"], c["cheapest"]) for c in month["costs"]])
                          for month in document["compare"]],
                         [("1999-02", [("Units", 0.12, True), ("By call", 0.12, True)]),
                          ("1999-03", [("Units", 0.72, False), ("By call", 0.44, True)])])
        self.assertEqual([(c["cost"], c["priced_connections"], c["cheapest"]) for c in document["total"]],
                         [(0.84, 4, False), (0.56, 4, True)])
        # The HTML report's page of the same: a row a month, the total below them.
        folder = os.path.join(self.folder.name, "compared")
        code, out, err = self.report("--html=" + folder, "--compare", "--english", *tariffs, log)
        self.assertEqual((code, err), (0, ""))
        with open(os.path.join(folder, "compare.html"), encoding="utf-8") as page:
            html = page.read()
        rows = [cells for row in re.findall(r"<tr>(.*?)</tr>", html)
                if (cells := re.findall(r"<td[^>]*>([^<]*)</td>", row))]
        self.assertEqual(rows, [["1999-02", "0.12 DM *", "0.12 DM *", "0.12 DM"],
                                ["1999-03", "0.72 DM", "0.44 DM *", "0.44 DM"],
                                ["Total", "0.84 DM", "0.56 DM *", "0.56 DM"]])
        self.assertIn("<tfoot><tr><td>Total</td>", html)
        with open(os.path.join(folder, "index.html"), encoding="utf-8") as index:
            self.assertIn('<a href="compare.html">Tariffs compared</a>', index.read())

    def test_usage_profile_by_weekday_and_hour(self):
        # Monday: 180 s and 91 s, two 90-second units each; Saturday: 300 s,
        # two 240-second units. 0.48 DM in 271 s is 6.38 DM an hour.
        code, out, err = self.report("--by=weekday", "--format=csv", "--tariff=" + self.units, self.log)
        self.assertEqual(code, 0, err)
        rows = {row["period"]: row for row in csv.DictReader(io.StringIO(out))}
        self.assertEqual(list(rows), ["monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday"])
        fields = ("connections", "duration_s", "mean_duration_s", "cost", "cost_per_hour", "priced_connections")
        self.assertEqual([rows["monday"][f] for f in fields], ["2", "271.00", "135.50", "0.48", "6.38", "2"])
        self.assertEqual([rows["saturday"][f] for f in fields], ["1", "300.00", "300.00", "0.24", "2.88", "1"])
        # Nothing priced on Sunday: no cost, rather than a cost of nothing.
        self.assertEqual([rows["sunday"][f] for f in fields], ["0", "0.00", "", "", "", "0"])
        # Hour 10 holds 91 s on Monday and 300 s on Saturday; hour 20 the 180 s.
        lines = self.report("--by=hour", "--english", self.log)[1].splitlines()
        self.assertEqual(len(lines), 1 + 24 + 1)
        self.assertEqual(lines[1 + 10].split(), ["10", "2", "00:06:31.00", "2000byte", "1000byte", "00:03:15.50",
                                                 "1000byte", "500byte"])
        self.assertEqual(lines[1 + 20].split()[:3], ["20", "1", "00:03:00.00"])
        self.assertEqual(lines[-1].split()[:3], ["Total", "3", "00:09:31.00"])

    def test_rows_add_up_to_the_total_to_the_last_pfennig(self):
        tariffs = os.path.join(os.path.dirname(__file__), "..", "..", "examples", "tariffs")
        units = "--tariff=" + os.path.join(tariffs, "german-units-1998.tariff")
        rows = list(csv.DictReader(io.StringIO(self.report("--format=csv", units, EXAMPLE_LOG)[1])))
        summary = json.loads(self.report("--summary", "--format=json", units, EXAMPLE_LOG)[1])["summary"]
        pfennig = sum(int(r["cost"].replace(".", "")) for r in rows)
        self.assertEqual(round(summary["cost"] * 100), pfennig)
        months = json.loads(self.report("--by=month", "--format=json", units, EXAMPLE_LOG)[1])
        self.assertEqual(round(months["total"]["cost"] * 100), pfennig)

    def test_the_costs_chart_is_drawn_by_the_tariffs(self):
        picture = os.path.join(self.folder.name, "costs.png")
        code, out, err = self.report("--chart=costs", "--output=" + picture, "--tariff=" + self.units, self.log)
        self.assertEqual(code, 0, err)
        with open(picture, "rb") as file:
            self.assertEqual(file.read(8), b"\x89PNG\r\n\x1a\n")
        self.assertEqual(self.report("--chart=costs", "--output=" + picture, self.log)[0], 2)
        # The week map's busiest hour: Saturday 10:00 to 10:05.
        week = os.path.join(self.folder.name, "week.svg")
        for language, darkest in (("--english", "Busiest hour: Saturday 10:00-11:00, 0:05 online"),
                                  ("--german", "Meistgenutzte Stunde: Samstag 10:00-11:00, 0:05 online")):
            self.assertEqual(self.report("--chart=profile", language, "--output=" + week, self.log)[0], 0)
            with open(week, encoding="utf-8") as file:
                self.assertIn(darkest, file.read())

    def test_alerts_say_each_exceeded_limit_and_exit_2(self):
        # March 1999 holds 180 + 91 + 300 = 571 s, 271 s of them on the 1st.
        self.assertEqual(self.report("--alert=month:time>571s", "--today=1999-03-31", self.log)[:2], (0, ""))
        # On the 1st, March so far is the 1st's 271 s: the month is within its limit yet.
        self.assertEqual(self.report("--alert=month:time>570s", "--alert=day:time>200s", "--today=1999-03-01",
                                     self.log)[:2],
                         (2, "day:time>200s: 0:04:31 (1999-03-01 to 1999-03-01)\n"))
        self.assertEqual(self.report("--alert=month:time>570s", "--today=1999-03-06", self.log)[:2],
                         (2, "month:time>570s: 0:09:31 (1999-03-01 to 1999-03-31)\n"))
        # On the 6th, 571 s foresee 571 * 31 / 6 = 2950.17 s for March.
        code, out, err = self.report("--alert=month:time~>2000s", "--today=1999-03-06", "--format=json", self.log)
        self.assertEqual(code, 2, err)
        self.assertEqual(json.loads(out)["alerts"], [{"limit": "month:time~>2000s", "first_day": "1999-03-01",
                                                      "last_day": "1999-03-31", "value": 2000.0, "used": 2950.17,
                                                      "text": "0:49:10", "projected": True}])
        # 0.72 DM of units on a limit of 0.70 DM: raw amounts, the text in the currency.
        code, out, err = self.report("--alert=month:cost>0.7", "--tariff=" + self.units, "--today=1999-03-31",
                                     "--format=json", self.log)
        self.assertEqual([(a["value"], a["used"], a["text"]) for a in json.loads(out)["alerts"]],
                         [(0.7, 0.72, "0.72 DM")])
        # A cost limit of 0.60 DM is reached, not exceeded.
        self.assertEqual(self.report("--alert=month:cost>0.6", "--tariff=" + self.by_call, "--tariff=" + self.units,
                                     "--today=1999-03-31", self.log)[0], 0)

    def test_the_estimate_foresees_the_billing_month_from_its_days_so_far(self):
        code, out, err = self.report("--summary", "--format=json", "--estimate", "--today=1999-03-06",
                                     "--tariff=" + self.by_call, "--tariff=" + self.units, self.log)
        self.assertEqual(code, 0, err)
        summary = json.loads(out)["summary"]
        # Six days of March hold 571 s, 4,500 bytes and 0.60 DM: times 31 / 6.
        self.assertEqual((summary["month_duration_s"], summary["estimated_duration_s"]), (571.0, 2950.17))
        self.assertEqual((summary["month_bytes"], summary["estimated_bytes"]), (4500, 23250))
        self.assertEqual((summary["month_cost"], summary["estimated_cost"]), (0.6, 3.1))
        self.assertEqual(self.report("--estimate", self.log)[0], 2)
        self.assertEqual(self.report("--summary", "--estimate", "--today=1999-03-06", self.log)[1].splitlines()[-1],
                         "Billing month 1999-03-01 to 1999-03-31: 0:09:31 so far, 0:49:10 foreseen; "
                         "4500byte so far, 22.71Kbyte foreseen")
        code, out, err = self.report("--by=month", "--estimate", "--today=1999-03-06", "--format=csv", self.log)
        row = next(csv.DictReader(io.StringIO(out)))
        self.assertEqual((row["period"], row["estimated_duration_s"], row["estimated_bytes"]),
                         ("1999-03", "2950.17", "23250"))
        self.assertNotIn("estimated_cost", row)
        out = self.report("--by=month", "--estimate", "--today=1999-03-06", "--format=csv",
                          "--tariff=" + self.by_call, "--tariff=" + self.units, self.log)[1]
        self.assertEqual(next(csv.DictReader(io.StringIO(out)))["estimated_cost"], "3.10")
        # Foreseeing April, March's row holds no estimate, of its costs neither.
        out = self.report("--by=month", "--estimate", "--today=1999-04-06", "--format=csv",
                          "--tariff=" + self.by_call, "--tariff=" + self.units, self.log)[1]
        row = next(csv.DictReader(io.StringIO(out)))
        self.assertEqual((row["period"], row["cost"], row["estimated_bytes"], row["estimated_cost"]),
                         ("1999-03", "0.60", "", ""))
        # 23250 / 1024 = 22.705 Kbyte.
        for language, word in (("--english", "Estimate"), ("--german", "Hochrechnung")):
            out = self.report("--by=month", "--estimate", "--today=1999-03-06", language, "--tariff=" + self.by_call,
                              "--tariff=" + self.units, self.log)[1]
            self.assertEqual(out.splitlines()[-1], word + " 1999-03: 00:49:10.17, 22.71Kbyte, 3.10 DM")

    def test_so_far_ends_on_the_day_asked(self):
        # 1 h on 1 March 2000 and 30 min on the 2nd; asked on the 1st, only
        # the first hour is so far, and 31 days of it are foreseen.
        log = self.write("march.log", session("03-01-2000", "030123", "10:00:00.00", "11:00:00.00")
                         + session("03-02-2000", "030123", "10:00:00.00", "10:30:00.00"))
        out = self.report("--summary", "--estimate", "--today=2000-03-01", log)[1]
        self.assertIn("Billing month 2000-03-01 to 2000-03-31: 1:00:00 so far, 31:00:00 foreseen;", out)
        self.assertEqual(self.report("--alert=month:time>1h", "--today=2000-03-01", log)[:2], (0, ""))
        # 40 h on the month's first day foresee 1,240 h: no more than the
        # 40 h so far and the 30 days after it, 760 h, can hold.
        long = self.write("long.log", session("03-01-2000", "030123", "00:00:00.00", "00:00:00.00").replace(
            "03-01-2000 00:00:00.00 - Hanging", "03-02-2000 16:00:00.00 - Hanging"))
        out = self.report("--summary", "--estimate", "--today=2000-03-01", long)[1]
        self.assertIn(": 40:00:00 so far, 760:00:00 foreseen;", out)

    def test_explain_shows_how_a_connection_was_priced(self):
        # 700 s by the per-minute tariff with fee, minimum, first block and a
        # cheaper rate after ten minutes: 0.06 + 0.10 for the first minute,
        # nine minutes from 60 s at 0.03, two from 600 s at 0.01: 0.45 DM.
        tariff = self.write("call.tariff", "name Call\ncurrency DM 2\nnumbers 0191*\nfee 0.06\nminimum 0.20\n"
                                           "first 60 0.10\nunit 60 0.03\nunit 60 0.01 after 600\n")
        log = self.write("call.log", session("03-01-1999", "0191011", "20:00:10.00", "20:11:50.00"))
        code, out, err = self.report("--explain=0", "--english", "--tariff=" + tariff, log)
        self.assertEqual((code, err), (0, ""))
        self.assertEqual(out, 'Connection 0: connected 1999-03-01 20:00:10.00, 700.00 s online, tariff "Call"\n'
                              "Prices from the beginning (line 4)\n"
                              "  line 4: fee 0.060000\n"
                              "  line 6: first block 60 s 0.100000\n"
                              "  line 7: 20:01:10.00 after 60.00 s: 9 units of 60 s at 0.030000 = 0.270000\n"
                              "  line 8: 20:10:10.00 after 600.00 s: 2 units of 60 s at 0.010000 = 0.020000\n"
                              "  line 5: minimum 0.200000 raises the sum by 0.000000\n"
                              "Sum 0.450000, rounded half up to 0.45 DM\n")
        explained = json.loads(self.report("--explain=0", "--format=json", "--tariff=" + tariff, log)[1])["explain"]
        self.assertEqual([(s["kind"], s["line"], s["amount"]) for s in explained["steps"]],
                         [("fee", 4, 0.06), ("first", 6, 0.1), ("units", 7, 0.27), ("units", 8, 0.02),
                          ("minimum", 5, 0.0)])
        self.assertEqual((explained["sum"], explained["cost"]), (0.45, 0.45))
        code, out, err = self.report("--explain=1", "--english", "--tariff=" + tariff, log)
        self.assertEqual((code, out, err), (1, "", f"kellvar-report: {log}: no connection of that number (1)\n"))
        self.assertEqual(self.report("--explain=0", log)[0], 2, "it needs a tariff")

    def test_a_bad_tariff_is_refused_before_any_output(self):
        bad = self.write("bad.tariff", "currency DM 2\nunit 60 0.1\nunit 60 0.2 on mondy\n")
        for arguments in (["--tariff=" + bad], ["--tariff=" + self.folder.name + "/missing.tariff"],
                          ["--compare", "--tariff=" + self.units, "--tariff=" + bad]):
            code, out, err = self.report("--format=json", *arguments, self.log)
            self.assertEqual((code, out), (2, ""), arguments)
        self.assertEqual(self.report("--tariff=" + bad, self.log)[2],
                         f'kellvar-report: {bad}:3: unknown weekday "mondy"\n')
        # Control characters from a file reach no terminal as they are.
        bad = self.write("bad.tariff", "currency DM 2\nunit 60 0.1 on \x1b]0;owned\x07\n")
        self.assertEqual(self.report("--tariff=" + bad, self.log)[2],
                         f'kellvar-report: {bad}:2: unknown date "\\x1b]0;owned\\x07"\n')

    def test_unknown_is_never_a_cost_of_nothing(self):
        # By call prices only 0191*: the first connection, 0.12 DM; the other
        # two are unpriced. A month of them alone has no cost at all.
        code, out, err = self.report("--by=month", "--tariff=" + self.by_call, self.log)
        self.assertEqual(code, 0, err)
        self.assertIn("0.12 DM ?", out.splitlines()[1])
        self.assertTrue(out.splitlines()[1].endswith("  2"), out)
        hidden = self.write("hidden.log", session("03-06-1999", "##########", "10:00:00.00", "10:05:00.00"))
        code, out, err = self.report("--summary", "--format=json", "--tariff=" + self.by_call, hidden)
        summary = json.loads(out)["summary"]
        self.assertEqual((summary["cost"], summary["mean_cost"], summary["unpriced_connections"]), (None, None, 1))
        code, out, err = self.report("--summary", "--english", "--tariff=" + self.by_call, hidden)
        self.assertIn("Total Costs:\t-\n", out)

    def test_a_connection_of_no_time_costs_no_units(self):
        # Hung up in its connect's hundredth: 86,400 s in the table, no unit
        # of the tariff; a second before it, a clock set back, the same.
        log = self.write("zero.log", session("03-01-1999", "0191011", "20:00:10.00", "20:00:10.00")
                         + session("03-02-1999", "0191011", "20:00:10.00", "20:00:09.00"))
        code, out, err = self.report("--summary", "--format=json", "--tariff=" + self.by_call, log)
        summary = json.loads(out)["summary"]
        self.assertEqual((summary["cost"], summary["no_time_connections"]), (0.0, 2))
        self.assertEqual(err, "kellvar-report: 2 connections were hung up no later than they connected (in the "
                              "same hundredth, or before) and cost only their fee, first block and minimum.\n")

    def test_dial_commands_match_as_a_modem_dials_them(self):
        # Pulse dialling, blanks and a dash: still 0191011, priced by call.
        log = self.write("pulse.log", session("03-01-1999", "0191011", "20:00:10.00", "20:03:10.00").replace(
            "ATDT0191011", "ATDP 019-1011"))
        code, out, err = self.report("--format=csv", "--tariff=" + self.by_call, "--tariff=" + self.units, log)
        self.assertEqual([(r["cost"], r["tariff"]) for r in csv.DictReader(io.StringIO(out))], [("0.12", "By call")])

    def test_names_reach_terminals_and_spreadsheets_defused(self):
        hostile = self.write("hostile.tariff", "name =cmd|' /c calc'!A0\x1b[2J\ncurrency DM 2\nunit 90 0.12\n")
        code, out, err = self.report("--compare", "--tariff=" + hostile, "--tariff=" + self.units, self.log)
        self.assertEqual(code, 0, err)
        self.assertIn("=cmd|' /c calc'!A0\\x1b[2J", out.splitlines()[0])
        self.assertNotIn("\x1b", out)
        code, out, err = self.report("--compare", "--format=csv", "--tariff=" + hostile, "--tariff=" + self.units,
                                     self.log)
        self.assertEqual([r["tariff"] for r in csv.DictReader(io.StringIO(out))],
                         ["'=cmd|' /c calc'!A0\x1b[2J", "Units", ""])


if __name__ == "__main__":
    unittest.main()
