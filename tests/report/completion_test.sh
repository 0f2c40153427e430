#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# kellvar-report's bash completion as bash runs it: every option of --help,
# and the values of the options that take one of a list.
set -euo pipefail
completion=$1
report=$2
source "$completion"
complete_line() {
  COMP_LINE=$1
  COMP_POINT=${#COMP_LINE}
  _kellvar_report
  echo "${COMPREPLY[*]}"
}
failed=0
expect() {
  local got
  got=$(complete_line "$1")
  [ "$got" = "$2" ] || { echo "'$1' completes to '$got', not '$2'"; failed=1; }
}
expect "kellvar-report --format=c" "csv"
expect "kellvar-report --by=" "day week billing month year hour weekday number"
expect "kellvar-report --chart=tr" "transport"
expect "kellvar-report --ch" "--chart="
expect "kellvar-report --summary --ger" "--german"
# Every option the help names is offered.
offered=$(complete_line "kellvar-report -" | tr ' ' '\n' | sed 's/=$//' | sort)
in_help=$("$report" --help | grep -o -- '--[a-z][a-z-]*[a-z]' | sort -u)
[ "$offered" = "$in_help" ] || { echo "options differ:"; diff <(echo "$offered") <(echo "$in_help"); failed=1; }
[ "$failed" = 0 ] && echo "completion ok"
exit "$failed"
