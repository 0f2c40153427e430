#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The options a manual page lists are the options its program's --help lists."""

import re
import subprocess
import sys

OPTION = re.compile(r"(?<![\w-])(--?[a-z][a-z]+)")


def options(text):
    return set(OPTION.findall(text))


failed = False
for program, page in zip(sys.argv[1::2], sys.argv[2::2]):
    help_text = subprocess.run([program, "--help"], capture_output=True, text=True, timeout=60, check=True).stdout
    with open(page, encoding="utf-8") as source:
        # scdoc marks bold with * and underline with _; neither is part of a name.
        page_text = source.read().replace("*", "")
    in_help, in_page = options(help_text), options(page_text)
    print(f"{page}: {sorted(in_page)}")
    if in_help != in_page:
        failed = True
        print(f"  only in --help: {sorted(in_help - in_page)}; only in the page: {sorted(in_page - in_help)}")
sys.exit(1 if failed else 0)
