#!/usr/bin/env bash
# Renders sort-bench's CSV output as an SVG: time per element against n, log axes, one panel per
# input kind, one line per algorithm.
# Usage: bench/plot.sh RESULTS.csv OUT.svg
#   where RESULTS.csv comes from: sort-bench --benchmark_out=RESULTS.csv --benchmark_out_format=csv
set -euo pipefail
if [ $# -ne 2 ]; then
    echo "usage: $0 RESULTS.csv OUT.svg" >&2
    exit 2
fi
results=$1
out=$2
command -v gnuplot >/dev/null || { echo "plot.sh: gnuplot is missing (Debian package gnuplot-nox)" >&2; exit 1; }

data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT

# Rows named "INPUT/ALGORITHM/N/real_time", times in ns: one file of "n ns-per-element" per line.
awk -F, -v dir="$data" '
    $1 ~ /^"[^\/]+\/[^\/]+\/[0-9]+\/real_time"$/ {
        name = $1; gsub(/"/, "", name)
        split(name, part, "/")
        if ($5 != "ns") { print "plot.sh: expected times in ns, not " $5 > "/dev/stderr"; exit 1 }
        file = dir "/" part[1] "__" part[2] ".dat"
        gsub(/:/, "_", file)
        printf "%d %.6g\n", part[3], $3 / part[3] >> file
        rows++
    }
    END { if (rows == 0) { print "plot.sh: no benchmark rows in the input" > "/dev/stderr"; exit 1 } }
' "$results"

gnuplot <<GNUPLOT
set terminal svg size 1500,900 dynamic font "sans,12" background "white"
set output "$out"
set multiplot layout 2,3 title "Sort time per element against n (sort-bench, $(date -u +%Y-%m-%d))"
set logscale xy
set format x "2^{%L}"
set logscale x 2
set xlabel "n"
set ylabel "ns per element"
set grid
set key top left
inputs = "random_0_999 random_int ascending descending all_equal four_values"
titles = "'random 0…999' 'random over all int' 'ascending' 'descending' 'all equal' 'four distinct values'"
algorithms = "Insert_a QuickSort std__sort std__stable_sort"
labels = "Insert\\\\_a QuickSort std::sort std::stable\\\\_sort"
do for [i = 1:words(inputs)] {
    set title word(titles, i)
    plot for [a = 1:words(algorithms)] \
        sprintf("$data/%s__%s.dat", word(inputs, i), word(algorithms, a)) \
        using 1:2 with linespoints lw 2 pt 7 ps 0.5 title word(labels, a)
}
unset multiplot
GNUPLOT
echo "plot.sh: wrote $out"
