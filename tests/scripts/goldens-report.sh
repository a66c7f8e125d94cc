#!/usr/bin/env bash
# devtools/chartdump/goldens.sh after an intended change, on a copy of the
# fixtures: it says which tools show something else and by how many cells
# (kept dumps and, given the dumper from before, the history kept as
# digests) or design lines, and leaves the copy as the goldens of what the
# tools show now.
# Usage: tests/scripts/goldens-report.sh SOURCE_DIR CORVESSA_CHART
set -euo pipefail
source=$(realpath "$1") chart=$(realpath "$2")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fixtures=$scratch/fixtures
cp -R "$source/tests/fixtures" "$fixtures"
fail() { echo "FAIL: $*" >&2; cat "$scratch/out" >&2; exit 1; }

# The build before the change showed x in two cells of frmzuxuan4's first
# draw row, one other cell of frmzuxuan1 on short.txt, and another title
# in frmzuxuan6's design.
cat > "$scratch/old-chart" <<OLD
#!/usr/bin/env bash
if [ "\${@: -2:1}" = frmzuxuan4 ]; then
  "$chart" "\$@" | awk -F'\t' -v OFS='\t' 'NR == 2 { \$2 = "x"; \$3 = "x" } { print }'
else
  exec "$chart" "\$@"
fi
OLD
chmod +x "$scratch/old-chart"
old_digest=$("$scratch/old-chart" --colors frmzuxuan4 "$fixtures/draws/every1000.txt" | sha256sum | cut -d' ' -f1)
sed -i "s/^[0-9a-f]*  frmzuxuan4\$/$old_digest  frmzuxuan4/" "$fixtures/charts/every1000.sha256"
sed -i '7s/^\([^\t]*\t[^\t]*\t\)[0-9]/\15/' "$fixtures/charts/short/frmzuxuan1.txt"
sed -i 's/^title\t.*/title\tAn older title/' "$fixtures/designs/frmzuxuan6.txt"
cmp -s "$source/tests/fixtures/charts/short/frmzuxuan1.txt" "$fixtures/charts/short/frmzuxuan1.txt" &&
  { echo "FAIL: the fixture was not changed" >&2; exit 1; }

tools=$("$chart" --list | wc -l)
"$source/devtools/chartdump/goldens.sh" --before "$scratch/old-chart" --fixtures "$fixtures" "$chart" > "$scratch/out"
grep -qxF "3 of $tools tools show something else than their goldens:" "$scratch/out" || fail "no count of changed tools"
grep -qxF "  frmzuxuan1  short: 1 cell" "$scratch/out" || fail "frmzuxuan1's cell on short.txt"
grep -qxF "  frmzuxuan4  every1000: 2 cells" "$scratch/out" || fail "frmzuxuan4's cells on every1000.txt"
grep -qxF "  frmzuxuan6  design: 1 line" "$scratch/out" || fail "frmzuxuan6's design line"
diff -r "$source/tests/fixtures" "$fixtures" > /dev/null || fail "the goldens are not what the tools show now"

# Without the dumper from before, the history kept as digests is named.
sed -i "s/^[0-9a-f]*  frmzuxuan4\$/$old_digest  frmzuxuan4/" "$fixtures/charts/every1000.sha256"
"$source/devtools/chartdump/goldens.sh" --fixtures "$fixtures" "$chart" > "$scratch/out"
grep -qxF "1 of $tools tools show something else than their goldens:" "$scratch/out" || fail "no count of changed tools"
grep -qxF "  frmzuxuan4  every1000: changed (--before OLD_CHART counts its cells)" "$scratch/out" ||
  fail "frmzuxuan4 on every1000.txt"
diff -r "$source/tests/fixtures" "$fixtures" > /dev/null || fail "the goldens are not what the tools show now"
echo "goldens.sh names the changed tools and their cells"
