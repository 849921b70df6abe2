#!/bin/sh
# Runs the RTF markup fuzzer for a number of seconds with a fixed seed:
#   run_fuzz.sh FUZZER WORK_DIR SECONDS
# The work folder starts from the seed inputs beside this script each time,
# so the run does not depend on what earlier runs found; inputs that fail are
# written into it.
set -e
fuzzer=$1 work=$2 seconds=$3
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work/corpus"
mkdir -p "$work/corpus"
cp "$here"/fuzz_seeds/* "$work/corpus/"
cd "$work"
exec "$fuzzer" -seed=1 -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -dict="$here/rtf_fuzz.dict" corpus
