"""The tables read with standard readers: CSV (strict RFC 4180 dialect), TSV
and JSON Lines give the same rows and the same figures."""
import csv
import io
import json
import subprocess
import sys

program = sys.argv[1]
arguments = ["--from", "2026-01-01 00:00", "--to", "2026-01-02 00:00", "--step", "3h"]


def run(style):
    done = subprocess.run([program, *arguments, "--format", style], capture_output=True, check=True)
    assert done.stderr == b"", done.stderr
    return done.stdout.decode("utf-8")


text = run("csv")
assert text.endswith("\r\n") and "\n" not in text.replace("\r\n", ""), "CSV lines end in CR LF"
rows = list(csv.reader(io.StringIO(text, newline=""), strict=True))
header, rows = rows[0], rows[1:]
assert header == ["time", "utc_offset", "body", "ra", "decl", "az", "alt", "rearth", "mag", "phase",
                  "diameter", "lon", "lat", "age"], header
assert len(rows) == 9 * 9 and all(len(row) == len(header) for row in rows)

tsv = [line.split("\t") for line in run("tsv").splitlines()]
assert tsv[0] == header and tsv[1:] == rows

objects = [json.loads(line) for line in run("json").splitlines()]
assert len(objects) == len(rows)
for row, record in zip(rows, objects):
    expected = {name: value for name, value in zip(header, row) if value != ""}
    assert record.keys() == expected.keys(), (record, row)
    for name, value in expected.items():
        if name in ("time", "utc_offset", "body"):
            assert record[name] == value
        else:
            assert record[name] == float(value) and isinstance(record[name], (int, float))

lines = run("text").splitlines()
assert len(lines) == 1 + len(rows)
assert len({len(line) for line in lines[1:] if "moon" not in line and "sun" not in line}) == 1, "aligned columns"
assert lines[0].split() == header
print("formats agree:", len(rows), "rows")
