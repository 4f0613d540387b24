#!/usr/bin/env bash
# Measures the program and writes docs/benchmarks.md: the cost of one beam
# heading, qvk-calc inverse against GeographicLib's GeodSolve -i on the same
# million random lines (speed and agreement), the program's start to its main
# window and its peak memory, filling the location list, reading the country
# file, a million callsigns through qvk-calc call, what hostile input costs
# (huge lines, a flooding rotctld), and the Beam Map (opening, re-centring,
# repainting while panning, the grey line's minute).
#
#   bash tools/benchmarks.sh
#
# Run it on an otherwise idle machine: the figures are wall-clock times.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
need=()
for package in libbenchmark-dev geographiclib-tools time; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || need+=("$package")
done
if [ ${#need[@]} -gt 0 ]; then
  as_root=(); [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get install -y -qq "${need[@]}"
fi

cmake -S . -B build-bench -Wno-dev -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVK_BUILD_TESTS=OFF -DQVK_BENCHMARKS=ON >/dev/null
cmake --build build-bench --parallel "$(nproc)" --target geodesic_bench list_fill_bench country_file_bench startup_bench \
  hostile_input_bench beam_map_bench qvk-calc >/dev/null
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
lines=1000000
# the program's own ellipsoid: b = 6356752.3142 m, f = 0.00335281066474
ellipsoid="6378136.99995462 0.00335281066474"

# seconds IN OUT COMMAND...: runs the command from IN into OUT and prints its wall-clock seconds
seconds() {
  local input=$1 output=$2
  shift 2
  /usr/bin/time -f '%e' -o "$work/time" "$@" < "$input" > "$output"
  cat "$work/time"
}

build-bench/bench/geodesic_bench --benchmark_min_time=1 2>/dev/null | grep -E '^(Benchmark|Calculate|-)' > "$work/geodesic"
build-bench/bench/list_fill_bench --benchmark_min_time=1 2>/dev/null | grep -E '^(Benchmark|Fill|-)' > "$work/lists"
build-bench/bench/country_file_bench --benchmark_min_time=1 2>/dev/null | grep -E '^(Benchmark|Read|Parse|Choose|LookUp|-)' > "$work/cty"
# the machine may be shared: three runs, each line as measured
for run in 1 2 3; do
  echo "load average $(cut -d' ' -f1-3 /proc/loadavg) before run $run" > "$work/beammap$run"
  build-bench/qvk/beam_map_bench 2>/dev/null | grep -E '^(Benchmark|Read|Project|Open|Recentre|Repaint|Redraw|Grey|-)' >> "$work/beammap$run"
done

python3 tools/benchmark_lines.py make $lines 2026 "$work/ours.in" "$work/geodsolve.in"
ours=$(seconds "$work/ours.in" "$work/ours.out" build-bench/qvk/qvk-calc inverse)
theirs=$(seconds "$work/geodsolve.in" "$work/geodsolve.out" GeodSolve -i -e $ellipsoid -p 6)
ratio=$(python3 -c "print(f'{$theirs / $ours:.1f}')")
accuracy=$(python3 tools/benchmark_lines.py compare "$work/ours.in" "$work/ours.out" "$work/geodsolve.out")

python3 tools/benchmark_calls.py $lines 2026 "$work/calls.in"
/usr/bin/time -f '%e s wall clock (%U s user and %S s system CPU time)' -o "$work/time" \
  build-bench/qvk/qvk-calc call < "$work/calls.in" > "$work/calls.out"
calls=$(cat "$work/time")
answers=$(wc -l < "$work/calls.out")
entities=$(grep -vc '^dxcc=\(none\|unknown\|invalid\)' "$work/calls.out" || true)

# the start-up reads the program folder's own files; a home station makes it compute sunrise and sunset
[ -f build-bench/qvk/prefs.qvk ] || printf '0010000000000000000\r\nW\xb086.43\r\nN\xb032.39\r\n-6\r\n1\r\n' > build-bench/qvk/prefs.qvk
startup=""
for run in 1 2 3 4 5; do
  startup+="    $(/usr/bin/time -f 'whole process %e s, maximum resident %M kB' build-bench/qvk/startup_bench 2>&1 | grep -v '^This plugin\|^QStandardPaths\|^qt\.' | paste -sd ';' - | sed 's/;whole/; whole/')"$'\n'
done

hostile=$(build-bench/bench/hostile_input_bench 2>&1 | grep -v '^QStandardPaths\|^This plugin\|^qt\.')
# through a pipe, as a script feeds it; its exit status is 1, for the line too long
zeros=""
for batch in inverse call; do
  /usr/bin/time -q -f '%e s, maximum resident %M kB' -o "$work/zeros.time" build-bench/qvk/qvk-calc $batch \
    < <(head -c 536870912 /dev/zero) >/dev/null 2>&1 || true
  zeros+="    qvk-calc $batch: $(cat "$work/zeros.time")"$'\n'
done
# the country file is read after the window is shown: how much later, on average
readAfterShown=$(printf '%s' "$startup" |
  sed -n 's/.*shown after \([0-9.]*\) ms; country file read after \([0-9.]*\) ms.*/\1 \2/p' |
  awk '{ sum += $2 - $1 } END { printf "%.1f", sum / NR }')

{
  echo "# Benchmarks"
  echo
  echo "Measured on $(date -u +%Y-%m-%d) on $(nproc) cores of $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
  echo "(load average $(cut -d' ' -f1-3 /proc/loadavg) at the end: wall-clock figures grow with it, CPU figures hardly),"
  echo "Debian $(cat /etc/debian_version), the program's own optimised build (RelWithDebInfo). Regenerate with \`bash tools/benchmarks.sh\`."
  echo
  echo "## One beam heading (CalculateBearing)"
  echo
  echo "Vincenty's inverse in long double with the program's constants; the last case lies"
  echo "within a degree of the antipode, where the iteration runs its 100 passes and"
  echo "GeographicLib answers instead. \`build-bench/bench/geodesic_bench\`:"
  echo
  sed 's/^/    /' "$work/geodesic"
  echo
  echo "## qvk-calc inverse against GeodSolve -i"
  echo
  echo "The same $lines random lines (one in twenty within a degree of its home's antipode),"
  echo "made by \`tools/benchmark_lines.py make $lines 2026\`; GeodSolve on the program's ellipsoid:"
  echo
  printf '    %-60s %8s s\n' "qvk-calc inverse < lines" "$ours" "GeodSolve -i -e $ellipsoid -p 6 < lines" "$theirs"
  echo
  echo "qvk-calc is **$ratio times** as fast. Agreement (\`tools/benchmark_lines.py compare\`):"
  echo
  echo "$accuracy" | sed 's/^/    /'
  echo
  echo "## Callsigns: qvk-calc call"
  echo
  echo "$lines random calls made from the shipped country file by \`tools/benchmark_calls.py $lines 2026\`"
  echo "(prefixes with area digit and suffix, one in ten an exact call of the file, a few"
  echo "with /P, /4, a country designator or /MM):"
  echo
  echo "    qvk-calc call < calls    $calls"
  echo
  echo "$answers answer lines, $entities of them with an entity."
  echo
  echo "## Reading the country file"
  echo
  echo "Reading and parsing the shipped cty.csv, parsing it alone, choosing the newest of"
  echo "the program's three (no operator's copy; files_read counts the system's copy and"
  echo "the shipped one), and one lookup. \`build-bench/bench/country_file_bench\`:"
  echo
  sed 's/^/    /' "$work/cty"
  echo
  echo "ChooseNewestOfThree is what the program pays for the country file: the version of each"
  echo "file is found by a plain search and only the newest is parsed. The program does this"
  echo "**off the start-up path**: on a worker thread started once the main window's start-up"
  echo "work is done, so that it does not compete with building the windows (started with the"
  echo "window's creation, it delayed the window on two cores as much as reading in line did)."
  echo "A callsign committed before the reading is done waits for it. The start-up figures"
  echo "below give both moments: the main window shown, and the country file read, on average"
  echo "**$readAfterShown ms later** (what a call typed at once would wait for at most)."
  echo
  echo "## Start-up"
  echo
  echo "From the program's start to its main window shown with the start-up work done"
  echo "(preferences, sunrise and sunset, the by-country list), then to the country file read"
  echo "on its worker thread, on Qt's off-screen platform, five runs of"
  echo "\`build-bench/qvk/startup_bench\` under \`/usr/bin/time\`. The maximum resident memory"
  echo "includes the Beam Map's files, decoded meanwhile on a thread of their own: some 15 MB"
  echo "for a moment, handed back once they are read."
  echo
  printf '%s' "$startup"
  echo
  echo "## Beam Map"
  echo
  echo "A 1000 x 1000 map from Alabama with the beam to Japan, on Qt's off-screen platform;"
  echo "\`build-bench/qvk/beam_map_bench\`, three runs. Wall-clock Time is what the operator waits;"
  echo "CPU is the measuring thread's. ReadMapFiles is done on a thread of its own from the program's"
  echo "start, so OpenBeamMap (the first opening) does not wait for it; ProjectTheWorld/0, the"
  echo "lightest level of the world (on every core), is the part of OpenBeamMap and RecentreOnNewHome"
  echo "that waits; ProjectTheWorld/1 and /2, the 0.05-degree level and the full 1:50m detail, are"
  echo "projected on one thread of their own while the map is shown."
  echo "RepaintWhilePanning/N pans 3 pixels a frame at a radius of N km; RedrawTheLand/N is its"
  echo "worst frame, when the pan leaves the kept picture. OpenBeamMap's extra_MB is the memory"
  echo "the open map adds, its full detail included."
  for run in 1 2 3; do
    echo
    sed 's/^/    /' "$work/beammap$run"
  done
  echo
  echo "## Filling the location list"
  echo
  echo "The whole DXCC list and the largest city list (California), sorted into the"
  echo "drop-down list as the main window does. \`build-bench/bench/list_fill_bench\`:"
  echo
  sed 's/^/    /' "$work/lists"
  echo
  echo "## Hostile input"
  echo
  echo "A line of a data file is kept to 4 KiB as the file streams past, so the main"
  echo "window opens a city list with a 10 MB line and commits its entries in"
  echo "milliseconds, and a 50 MB host line in rotator.qvk is read in a moment; the client"
  echo "drops a rotctld that sends more than it was asked, while a 10 ms timer repaints"
  echo "the compass (the longest gap between its ticks is the longest the window could"
  echo "not repaint). \`build-bench/bench/hostile_input_bench\`:"
  echo
  echo "$hostile" | sed 's/^/    /'
  echo
  echo "The batch commands reading 512 MB of zeros without a line end from a pipe (each reports \"line 1: too long\"):"
  echo
  printf '%s' "$zeros"
} > docs/benchmarks.md
echo "wrote docs/benchmarks.md"
