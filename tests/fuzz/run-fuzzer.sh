#!/usr/bin/env bash
# run-fuzzer.sh <fuzzer> <seed corpus> <work dir> <seconds>
# Fuzzes for a bounded time from a fresh copy of the seed corpus and prints the totals;
# fails when the fuzzer found a crash, a leak or undefined behaviour.
set -uo pipefail
fuzzer=$1 seeds=$2 work=$3 seconds=$4
rm -rf "$work" && mkdir -p "$work/corpus" && cp -r "$seeds"/. "$work/corpus"/
cd "$work"
"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
  corpus >log.txt 2>&1
status=$?
if [ $status -ne 0 ]; then tail -n 60 log.txt; exit $status; fi
grep -E 'stat::number_of_executed_units|stat::average_exec_per_sec|Done [0-9]+ runs' log.txt
exit 0
