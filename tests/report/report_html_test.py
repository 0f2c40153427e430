#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""kellvar-report --html: the folder it writes, its pages' figures against
the JSON outputs and against values worked out by hand, valid HTML whose
links stay in the folder, a folder replaced whole or not at all, and the
pages as a real browser shows them."""

import html.parser
import json
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
import zlib

import html5lib

REPORT = sys.argv.pop(1)
TIME_LIMIT = 60


def session(date, connect, hangup, reads):
    return "".join(f"{date} {time} - {text}\n" for time, text in [
        (connect[:6] + "00.00", "Dialing."),
        (connect[:6] + "00.10", "Send: ATDT0191011<cr>"),
        (connect, "Connection established at 46000bps."),
        (hangup, "Hanging up the modem."),
        (hangup, "Session Statistics:"),
        (hangup, f"   Reads : {reads} bytes"),
        (hangup, "   Writes: 500 bytes"),
    ])


# Three connections of three minutes in January 1999, one of them logged
# after February's (a clock set back), one each in February and March.
LOG = (session("01-04-1999", "20:00:10.00", "20:03:10.00", 1000)
       + session("01-05-1999", "10:00:10.00", "10:03:10.00", 1000)
       + session("02-01-1999", "10:00:10.00", "10:03:10.00", 4000)
       + session("01-20-1999", "10:00:10.00", "10:03:10.00", 1000)
       + session("03-02-1999", "10:00:10.00", "10:03:10.00", 5000))

# Three started minutes of 0.06 DM: 0.18 DM a connection.
PER_MINUTE = "name Per minute\ncurrency DM 2\nunit 60 0.06\n"

# A name that HTML must escape wherever it shows.
LOG_NAME = 'a&b<c>"d\'.log'


class Elements(html.parser.HTMLParser):
    """The attributes and texts a test looks for in a page."""

    def __init__(self):
        super().__init__()
        self.links = []
        self.related = {}  # rel -> href of the page's navigation
        self.ids = set()
        self.labelled_by = []
        self.fields = []  # (field, value) of every <data>
        self.row_links = []  # the links in the table's rows
        self.descriptions = []  # what each chart tells a screen reader
        self.in_description = False
        self.body_rows = 0
        self.in_body = False
        # The table per dialled number has tests of its own.
        self.in_caption = False
        self.in_numbers = False

    def handle_starttag(self, tag, attributes):
        a = dict(attributes)
        for name in ("href", "src"):
            if name in a:
                self.links.append(a[name])
        if tag == "a" and "rel" in a:
            self.related[a["rel"]] = a["href"]
        if "id" in a:
            self.ids.add(a["id"])
        if "aria-labelledby" in a:
            self.labelled_by += a["aria-labelledby"].split()
        if tag == "data" and not self.in_numbers:
            self.fields.append((a["data-field"], a["value"]))
        if tag == "tbody":
            self.in_body = True
        self.in_caption = tag == "caption"
        if tag == "tr" and self.in_body and not self.in_numbers:
            self.body_rows += 1
        if tag == "a" and self.in_body:
            self.row_links.append(a["href"])
        self.in_description = tag == "desc"

    def handle_data(self, data):
        if self.in_description:
            self.descriptions.append(data)
        if self.in_caption and data in ("Numbers", "Nummern"):
            self.in_numbers = True

    def handle_endtag(self, tag):
        if tag == "tbody":
            self.in_body = False
        if tag == "table":
            self.in_numbers = False
        self.in_description = False
        self.in_caption = False


class Captions(html.parser.HTMLParser):
    """The page's words without figures, as (tag, text): titles, headings,
    captions, the charts' texts, and the paragraphs whole."""

    TAGS = ("title", "h1", "h2", "h3", "caption", "th", "text", "p")

    def __init__(self):
        super().__init__()
        self.found = set()
        self.tag = None

    def handle_starttag(self, tag, attributes):
        self.tag = tag

    def handle_data(self, data):
        if self.tag in self.TAGS and data.strip() and (self.tag == "p" or not any(c.isdigit() for c in data)):
            self.found.add((self.tag, data.strip()))


def page_elements(path):
    parser = Elements()
    with open(path, encoding="utf-8") as page:
        parser.feed(page.read())
    return parser


def index_figures(path):
    """The index's overview figures, and its table's rows of figures."""
    overview, rows = {}, []
    for field, value in page_elements(path).fields:
        if field == "period":
            rows.append({})
        (rows[-1] if rows else overview)[field] = value
    return overview, rows


def contents(folder):
    files = {}
    for name in os.listdir(folder):
        with open(os.path.join(folder, name), "rb") as file:
            files[name] = file.read()
    return files


def json_text(value):
    """A JSON value as the pages' data elements write it."""
    if value is None:
        return ""
    if isinstance(value, float):
        return f"{value:.2f}"
    return str(value)


class HtmlReport(unittest.TestCase):
    def setUp(self):
        temporary = tempfile.TemporaryDirectory()
        self.addCleanup(temporary.cleanup)
        self.root = temporary.name
        self.log = os.path.join(self.root, LOG_NAME)
        with open(self.log, "w", encoding="ascii") as log:
            log.write(LOG)
        self.tariff = os.path.join(self.root, "per-minute.tariff")
        with open(self.tariff, "w", encoding="ascii") as tariff:
            tariff.write(PER_MINUTE)
        self.folder = os.path.join(self.root, "report")

    def report(self, *arguments, expect=0, prefix=()):
        run = subprocess.run([*prefix, REPORT, *arguments], capture_output=True, text=True,
                             timeout=TIME_LIMIT, env={**os.environ, "LC_ALL": "C.UTF-8"})
        self.assertEqual(run.returncode, expect, run.stderr)
        return run

    def write_report(self, *arguments):
        self.report("--html=" + self.folder, "--tariff=" + self.tariff, *arguments, self.log)

    def pages(self):
        """The report's files but its hidden mark."""
        return sorted(name for name in os.listdir(self.folder) if not name.startswith("."))

    def test_pages_hold_the_figures_worked_out_by_hand_and_those_of_json(self):
        self.write_report()
        self.assertEqual(self.pages(), ["1999-01.html", "1999-02.html", "1999-03.html", "index.html",
                                        "kellvar.css"])
        january = page_elements(os.path.join(self.folder, "1999-01.html"))
        february = page_elements(os.path.join(self.folder, "1999-02.html"))
        self.assertEqual(january.related, {"up": "index.html", "next": "1999-02.html"})
        self.assertEqual(february.related, {"prev": "1999-01.html", "up": "index.html", "next": "1999-03.html"})
        # The set-back connection joins its month, and each row comes once.
        self.assertEqual(january.body_rows, 3)
        self.assertEqual(page_elements(os.path.join(self.folder, "1999-02.html")).body_rows, 1)
        # Three dial times of 10 s (Dialing. to the connect); the trend is the
        # mean of the one whole group of three.
        self.assertIn("Dial time: 3 points, last 10. Trend: 1 point, last 10.", january.descriptions[1])
        figures = dict(january.fields)
        self.assertEqual(figures["connections"], "3")
        self.assertEqual(figures["duration_s"], "540.00")
        self.assertEqual(figures["received_bytes"], "3000")
        self.assertEqual(figures["sent_bytes"], "1500")
        self.assertEqual(figures["cost"], "0.54")
        overview, rows = index_figures(os.path.join(self.folder, "index.html"))
        self.assertEqual(page_elements(os.path.join(self.folder, "index.html")).row_links,
                         ["1999-01.html", "1999-02.html", "1999-03.html"])
        self.assertEqual(overview["received_bytes"], "12000")
        self.assertEqual(overview["cost"], "0.90")

        by_month = json.loads(self.report("--by=month", "--format=json", "--tariff=" + self.tariff,
                                          self.log).stdout)
        summary = json.loads(self.report("--summary", "--format=json", "--tariff=" + self.tariff,
                                         self.log).stdout)["summary"]
        self.assertEqual(len(overview), 24)
        for field, value in overview.items():
            self.assertEqual(value, json_text(summary[field]), field)
        self.assertEqual([row["period"] for row in rows], [period["period"] for period in by_month["periods"]])
        for period, row in zip(by_month["periods"], rows):
            page = page_elements(os.path.join(self.folder, period["period"] + ".html"))
            for field, value in page.fields + list(row.items()):
                self.assertEqual(value, json_text(period[field]), (period["period"], field))

    def test_the_index_speaks_either_language(self):
        worded = {
            "--german": [
                ("title", "Kellvar-Bericht"), ("h1", "Kellvar-Bericht"), ("h2", "Überblick"), ("h2", "Grenzen"),
                ("h2", "Diagramme"), ("caption", "Monate"), ("h3", "Verbindungen"), ("h3", "Übertragungsraten"),
                ("h3", "Transfervolumen"), ("h3", "Verbindungszeiten"), ("h3", "Kosten"),
                ("h3", "Daten der letzten erfolgreichen Verbindung"), ("th", "Zeitraum"), ("th", "Verbindungen"),
                ("th", "Verbindungsdauer"), ("th", "Empfangen"), ("th", "Gesendet"), ("th", "Mittlere Dauer"),
                ("th", "Mittel empfangen"), ("th", "Mittel gesendet"), ("th", "Kosten"), ("th", "Ohne Preis"),
                ("title", "Datenmenge und Online-Zeit"), ("text", "Datenmenge und Online-Zeit"),
                ("text", "Datenmenge in byte"), ("text", "Online-Zeit in h"), ("text", "Empfangen"),
                ("text", "Gesendet"), ("text", "Online-Zeit"), ("title", "Kosten pro Monat"),
                ("text", "Kosten pro Monat"), ("text", "Kosten"), ("text", "Kosten DM"),
                ("p", "Geschrieben von kellvar-report aus " + self.log), ("caption", "Nummern"),
                ("p", "Tarifdateien (die erste passende gilt): Per minute"), ("th", "Nummer"),
                ("th", "Versuche"), ("th", "Verbunden"), ("th", "Erfolg"), ("th", "Anwahl (Median)"),
                ("th", "Tempo min."), ("th", "Tempo Median"), ("th", "Tempo max."), ("th", "Abgebrochen"),
                ("th", "Hier aufgelegt"), ("th", "Durchsatz"), ("th", "Kosten/Stunde")],
            "--english": [
                ("title", "Kellvar Report"), ("h1", "Kellvar Report"), ("h2", "Overview"), ("h2", "Limits"),
                ("h2", "Charts"), ("caption", "Months"), ("h3", "Connections"), ("h3", "Transfer rates"),
                ("h3", "Amounts transfered"), ("h3", "Connection times"), ("h3", "Costs"),
                ("h3", "Last successful connection"), ("th", "Period"), ("th", "Connections"),
                ("th", "Connection time"), ("th", "Received"), ("th", "Sent"), ("th", "Mean time"),
                ("th", "Mean received"), ("th", "Mean sent"), ("th", "Costs"), ("th", "Unpriced"),
                ("title", "Data Volume and Online Time"), ("text", "Data Volume and Online Time"),
                ("text", "Data volume in byte"), ("text", "Online time in h"), ("text", "Received"),
                ("text", "Sent"), ("text", "Online Time"), ("title", "Costs per Month"),
                ("text", "Costs per Month"), ("text", "Costs"), ("text", "Costs DM"),
                ("p", "Written by kellvar-report from " + self.log), ("caption", "Numbers"),
                ("p", "Tariff files (the first that fits applies): Per minute"), ("th", "Number"),
                ("th", "Attempts"), ("th", "Connects"), ("th", "Success"), ("th", "To connect (median)"),
                ("th", "Speed min"), ("th", "Speed median"), ("th", "Speed max"), ("th", "Carrier lost"),
                ("th", "Hung up here"), ("th", "Throughput"), ("th", "Cost/hour")],
        }
        for language, captions in worded.items():
            self.write_report(language, "--alert=month:cost>0.5", "--today=1999-01-31")
            parser = Captions()
            with open(os.path.join(self.folder, "index.html"), encoding="utf-8") as index:
                page = index.read()
            parser.feed(page)
            self.assertEqual(parser.found, set(captions), language)
        # A month's name stands left and sorts as text; its figures stand right.
        for month in ("1999-01", "1999-02", "1999-03"):
            self.assertIn(f'<tr><td data-v="{month}"><a href="{month}.html">', page)
        self.assertNotIn('<td class="n" data-v="1999-', page)
        self.assertIn('<table class="sortable">\n<caption>Months</caption>\n<thead><tr><th scope="col">Period</th>'
                      '<th scope="col" class="n">Connections</th>', page)
        # Each chart has a point per month for each of its lines: three months.
        charts = re.findall(r"<svg.*?<title[^>]*>([^<]*)</title>(.*?)</svg>", page, re.S)
        self.assertEqual([(title, [len(points.split()) for points in re.findall(r'points="([^"]*)"', svg)])
                          for title, svg in charts],
                         [("Data Volume and Online Time", [3, 3, 3]), ("Costs per Month", [3])])

    def test_pages_are_valid_html_whose_links_stay_in_the_folder(self):
        self.write_report("--german", "--alert=month:cost>0.5", "--today=1999-01-31")
        strict = html5lib.HTMLParser(strict=True)
        for name in self.pages():
            if not name.endswith(".html"):
                continue
            path = os.path.join(self.folder, name)
            with open(path, "rb") as page:
                document = strict.parse(page.read())
            elements = page_elements(path)
            for link in elements.links:
                self.assertTrue(os.path.isfile(os.path.join(self.folder, link)), (name, link))
            self.assertTrue(set(elements.labelled_by) <= elements.ids, name)
            if name == "index.html":
                # The log's name is shown as text, never as markup.
                texts = [p.text for p in document.iter("{http://www.w3.org/1999/xhtml}p")]
                self.assertTrue(any(text.endswith(LOG_NAME) for text in texts), texts)
        with open(os.path.join(self.folder, "index.html"), encoding="utf-8") as index:
            text = index.read()
        self.assertIn('lang="de"', text)
        self.assertIn("month:cost&gt;0.5", text)

    def test_a_report_replaces_the_earlier_one_whole(self):
        self.write_report()
        # What a run killed while it wrote leaves beside the folder.
        leftover = os.path.join(self.root, ".report.new-Ab12Cd")
        os.mkdir(leftover)
        open(os.path.join(leftover, "1999-01.html"), "w").close()
        self.write_report("--by=year")
        self.assertEqual(sorted(os.listdir(self.folder)), [".kellvar-report", "1999.html", "index.html", "kellvar.css"])
        self.assertEqual(sorted(os.listdir(self.root)), sorted([LOG_NAME, "per-minute.tariff", "report"]))

    def test_where_no_folder_can_be_made_beside_it_each_file_is_replaced_whole(self):
        self.write_report()
        # As in a web server's folder that takes no new folder, only files in ours.
        for error, by, pages in (("EACCES", "year", ["1999.html"]),
                                 ("EPERM", "month", ["1999-01.html", "1999-02.html", "1999-03.html"])):
            self.report("--html=" + self.folder, "--by=" + by, self.log,
                        prefix=("strace", "-o", "/dev/null", "-e", f"inject=mkdir:error={error}:when=1"))
            self.assertEqual(self.pages(), pages + ["index.html", "kellvar.css"], error)
            self.assertEqual(sorted(os.listdir(self.root)), sorted([LOG_NAME, "per-minute.tariff", "report"]))

    def test_a_failed_write_leaves_the_earlier_report(self):
        self.write_report()
        before = contents(self.folder)
        # The second write(2) is the first page's: as on a full disk.
        run = self.report("--html=" + self.folder, "--by=year", self.log, expect=1,
                          prefix=("strace", "-o", "/dev/null", "-e", "inject=write:error=ENOSPC:when=2"))
        self.assertIn("report", run.stderr)
        self.assertEqual(contents(self.folder), before)
        self.assertEqual(sorted(os.listdir(self.root)), sorted([LOG_NAME, "per-minute.tariff", "report"]))

    def test_a_folder_of_other_files_is_refused(self):
        os.mkdir(self.folder)
        with open(os.path.join(self.folder, "notes.txt"), "w", encoding="ascii") as notes:
            notes.write("mine\n")
        file = os.path.join(self.root, "plain")
        open(file, "w").close()
        said = {
            "--english": (": is not part of a Kellvar report; choose an empty or a new folder\n",
                          ": cannot be written: Not a directory\n"),
            "--german": (": gehört nicht zu einem Kellvar-Bericht; wählen Sie einen leeren oder neuen "
                         "Ordner\n", ": kann nicht geschrieben werden: Ist kein Verzeichnis\n"),
        }
        for language, (other_files, no_folder) in said.items():
            run = self.report("--html=" + self.folder, language, self.log, expect=2)
            self.assertEqual(run.stderr, "kellvar-report: " + self.folder + "/notes.txt" + other_files)
            self.assertEqual(self.pages(), ["notes.txt"])
            run = self.report("--html=" + file, language, self.log, expect=1)
            self.assertEqual(run.stderr, "kellvar-report: " + file + no_folder)
        self.report("--html=" + self.folder, "--by=day", self.log, expect=2)

    def test_only_a_folder_that_holds_a_report_is_replaced(self):
        # A page of the user's own by a report's name, without the report's mark.
        os.mkdir(self.folder)
        index = os.path.join(self.folder, "index.html")
        with open(index, "w", encoding="ascii") as page:
            page.write("<p>mine</p>\n")
        run = self.report("--html=" + self.folder, self.log, expect=2)
        self.assertEqual(run.stderr, "kellvar-report: " + index + ": is not part of a Kellvar report; "
                         "choose an empty or a new folder\n")
        self.assertEqual(contents(self.folder), {"index.html": b"<p>mine</p>\n"})
        # A report written before reports carried their mark says who wrote it at its end.
        with open(index, "w", encoding="ascii") as page:
            page.write("<html><p>Written by kellvar-report from ModemLog.txt</p></html>\n")
        self.report("--html=" + self.folder, self.log)
        self.assertIn(".kellvar-report", os.listdir(self.folder))

    def test_runs_into_one_folder_wait_for_each_other(self):
        self.write_report()
        # In place, as where the parent takes no new folder: each run removes
        # the pages the one before wrote and it did not.
        for _ in range(3):
            runs = [subprocess.Popen(
                ["strace", "-f", "-o", "/dev/null", "-e", "inject=mkdir:error=EACCES:when=1", REPORT,
                 "--html=" + self.folder, "--by=" + ("year" if i % 2 else "month"), self.log],
                stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True) for i in range(5)]
            for run in runs:
                _, errors = run.communicate(timeout=TIME_LIMIT)
                self.assertEqual(run.returncode, 0, errors)
            # Whichever ran last, its index links only pages that are there.
            with open(os.path.join(self.folder, "index.html"), encoding="utf-8") as index:
                links = set(re.findall(r'href="([0-9-]+\.html)"', index.read()))
            self.assertTrue(links)
            self.assertLessEqual(links, set(self.pages()))


def png_is_blank(path):
    """True when every pixel of the PNG has the colour of the first."""
    with open(path, "rb") as picture:
        data = picture.read()
    position, idat, width, height = 8, b"", 0, 0
    while position < len(data):
        length, kind = struct.unpack(">I4s", data[position:position + 8])
        chunk = data[position + 8:position + 8 + length]
        if kind == b"IHDR":
            width, height = struct.unpack(">II", chunk[:8])
        elif kind == b"IDAT":
            idat += chunk
        position += 12 + length
    raw = zlib.decompress(idat)
    stride = len(raw) // height
    # Rows filtered by "up" or "sub" from a single colour hold only zeros after the first.
    return height > 1 and all(not any(raw[row * stride + 1 + 4:(row + 1) * stride])
                              for row in range(1, height)) and width > 0


@unittest.skipUnless(shutil.which("chromium"), "chromium is not installed")
class InABrowser(unittest.TestCase):
    def setUp(self):
        temporary = tempfile.TemporaryDirectory()
        self.addCleanup(temporary.cleanup)
        self.root = temporary.name
        self.log = os.path.join(self.root, "ModemLog.txt")
        with open(self.log, "w", encoding="ascii") as log:
            log.write(LOG)

    def chromium(self, *arguments):
        # Its own home, and no sandbox: the tests may run as root.
        return subprocess.run(["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                               "--user-data-dir=" + os.path.join(self.root, "profile"), *arguments],
                              capture_output=True, text=True, timeout=TIME_LIMIT,
                              env={**os.environ, "HOME": self.root})

    def test_pages_show_their_charts_and_table(self):
        for language in ("--english", "--german"):
            folder = os.path.join(self.root, language)
            subprocess.run([REPORT, "--html=" + folder, language, self.log], check=True, timeout=TIME_LIMIT)
            for page in ("index.html", "1999-01.html"):
                url = "file://" + os.path.join(folder, page)
                for size in ("1280,900", "390,844"):
                    picture = os.path.join(self.root, "page.png")
                    self.chromium("--window-size=" + size, "--screenshot=" + picture, url)
                    self.assertTrue(os.path.isfile(picture), (language, page, size))
                    self.assertFalse(png_is_blank(picture), (language, page, size))
                    os.remove(picture)
            dom = self.chromium("--dump-dom", "file://" + os.path.join(folder, "1999-01.html")).stdout
            self.assertIn("46000bps", dom)
            # The sorter ran: every heading became a keyboard stop.
            self.assertIn('scope="col" tabindex="0"', dom)

    def test_a_heading_sorts_the_rows_by_its_values(self):
        # Received: 9000, 10000 and 800 bytes, whose order as text is not their order as numbers.
        log = os.path.join(self.root, "sizes.log")
        with open(log, "w", encoding="ascii") as sizes:
            sizes.write(session("01-04-1999", "20:00:10.00", "20:03:10.00", 9000)
                        + session("02-01-1999", "10:00:10.00", "10:03:10.00", 10000)
                        + session("03-02-1999", "10:00:10.00", "10:03:10.00", 800))
        folder = os.path.join(self.root, "sorted")
        subprocess.run([REPORT, "--html=" + folder, "--english", log], check=True, timeout=TIME_LIMIT)
        with open(os.path.join(folder, "index.html"), encoding="utf-8") as index:
            page = index.read()
        # A click on Received, then on Period, then Enter on Period.
        clicks = """<script>
const table = document.querySelector("table.sortable");
const heading = name => Array.from(table.tHead.rows[0].cells).find(cell => cell.textContent === name);
const order = () => Array.from(table.tBodies[0].rows, row => row.cells[0].dataset.v).join(" ");
const orders = [];
heading("Received").click();
orders.push(order());
heading("Period").click();
orders.push(order());
heading("Period").dispatchEvent(new KeyboardEvent("keydown", {key: "Enter"}));
orders.push(order(), heading("Period").getAttribute("aria-sort"), heading("Received").getAttribute("aria-sort"));
document.body.dataset.orders = orders.join(",");
</script>
"""
        clicked = os.path.join(folder, "clicked.html")
        with open(clicked, "w", encoding="utf-8") as out:
            out.write(page.replace("</body>", clicks + "</body>"))
        dom = self.chromium("--dump-dom", "file://" + clicked).stdout
        self.assertIn('data-orders="1999-03 1999-01 1999-02,1999-01 1999-02 1999-03,1999-03 1999-02 1999-01,'
                      'descending,"', dom)

    def test_the_browser_takes_every_declaration_of_the_style_sheet(self):
        folder = os.path.join(self.root, "styled")
        subprocess.run([REPORT, "--html=" + folder, self.log], check=True, timeout=TIME_LIMIT)
        with open(os.path.join(folder, "kellvar.css"), encoding="utf-8") as sheet:
            css = sheet.read()
        # The declarations of each rule, in order, print rules included.
        written = [len([d for d in body.split(";") if d.strip()]) for body in re.findall(r"\{([^{}]*)\}", css)]
        page = """<!DOCTYPE html><html><head><style>%s</style></head><body><script>
const counts = [];
const visit = rules => { for (const rule of rules) {
  if (rule.style) counts.push(rule.style.cssText.split(";").filter(d => d.trim()).length);
  else if (rule.cssRules) visit(rule.cssRules);
} };
visit(document.styleSheets[0].cssRules);
document.body.dataset.counts = counts.join(" ");
</script></body></html>""" % css
        test = os.path.join(self.root, "sheet.html")
        with open(test, "w", encoding="utf-8") as out:
            out.write(page)
        dom = self.chromium("--dump-dom", "file://" + test).stdout
        kept = re.search(r'data-counts="([^"]*)"', dom).group(1)
        self.assertEqual(kept, " ".join(map(str, written)))


if __name__ == "__main__":
    unittest.main()
