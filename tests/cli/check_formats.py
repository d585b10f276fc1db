"""The tables read with standard readers: CSV (strict RFC 4180 dialect), TSV
and JSON Lines give the same rows and the same figures; the day's events read
as JSON with ISO 8601 times that stay in their day."""
import csv
import datetime
import io
import json
import subprocess
import sys

program = sys.argv[1]
arguments = ["--from", "2026-01-01 00:00", "--to", "2026-01-02 00:00", "--step", "3h"]


def run(style, options=arguments):
    done = subprocess.run([program, *options, "--format", style], capture_output=True, check=True)
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

# The month's table: a row a day in every format, the same dates in each.
month = ["--almanac", "--from", "2026-02", "--to", "2026-03"]
days = list(csv.reader(io.StringIO(run("csv", month), newline=""), strict=True))
assert days[0][:3] == ["weekday", "date", "hebrewDate"] and len(days) == 1 + 28 + 31, days[0]
assert all(len(day) == len(days[0]) for day in days)
objects = [json.loads(line) for line in run("json", month).splitlines()]
assert [o["date"][8:] + "." + o["date"][5:7] + "." + o["date"][:4] for o in objects] == [d[1] for d in days[1:]]
assert [o["hebrewDate"]["beforeSunset"] for o in objects] == [d[2] for d in days[1:]]
assert [", ".join(o["holidays"]) for o in objects] == [d[3] for d in days[1:]]
assert objects[28 + 2]["holidays"] == ["פורים"], "Purim fell on 3 March 2026"
assert len(run("text", month).splitlines()) == 2 * 2 + 28 + 31 + 1, "a title and a heading a month, a blank between"
print("the month's table agrees:", len(objects), "days")

# Around Israel's autumn clock change of 2026 and on a day when Saturn
# rises twice (25 August 2030, near 00:00 and 23:56): every time parses, carries its offset
# and lies in its own day; a phase reads the same on every day that lists it.
phases = {}
for days in (["--from", "2026-10-23", "--to", "2026-10-26"], ["--at", "2030-08-25"]):
    for line in run("json", ["--events", "--model", "precise", *days]).splitlines():
        day = json.loads(line)
        start = datetime.date.fromisoformat(day["date"])
        def in_day(text):
            at = datetime.datetime.fromisoformat(text)
            assert at.utcoffset() in (datetime.timedelta(hours=2), datetime.timedelta(hours=3)), text
            assert at.date() == start, (text, day["date"])
        for body in day["bodies"]:
            for key in ("rise", "transit", "set"):
                if body[key] is not None:
                    in_day(body[key])
            for later in body["also"]:
                assert later["event"] in ("rise", "transit", "set") and ("alt" in later) == (later["event"] == "transit")
                in_day(later["time"])
        for key in ("civilDawn", "civilDusk", "nauticalDawn", "nauticalDusk", "astronomicalDawn", "astronomicalDusk"):
            if day[key] is not None:
                in_day(day[key])
        for phase in day["phases"]:
            datetime.datetime.fromisoformat(phase["time"])
            assert phases.setdefault(phase["local"][:10] + phase["phase"], phase["time"]) == phase["time"], phase
saturn = [body for body in day["bodies"] if body["name"] == "saturn"][0]
assert [later["event"] for later in saturn["also"]] == ["rise"], saturn
print("events read back:", len(phases), "phases")

# The day's halachic times: exactly the keys, candle lighting on the
# eve of Shabbat and havdalah at its end only, every time in its day's order,
# and in London's June the dawn at 16.1° null; the month's table carries the
# same times, to the minute, in its CSV columns and its JSON days.
keys = ["alotHaShachar", "misheyakir", "sunrise", "sofZmanShmaMGA", "sofZmanShma", "sofZmanTfillaMGA",
        "sofZmanTfilla", "chatzot", "minchaGedola", "minchaKetana", "plagHaMincha", "sunset", "tzeit"]
london = ["--place", "London", "--zmanim", "--havdalah", "72"]
week = [json.loads(line) for line in
        run("json", ["--events", *london, "--from", "2026-06-18", "--to", "2026-06-20"]).splitlines()]
assert [list(day["zmanim"]) for day in week] == [keys, keys + ["candleLighting"], keys + ["havdalah"]], week
for day in week:
    times = [datetime.datetime.fromisoformat(t) for t in day["zmanim"].values() if t is not None]
    assert day["zmanim"]["alotHaShachar"] is None and times[:12] == sorted(times[:12]), day["zmanim"]
    assert times[0].utcoffset() == datetime.timedelta(hours=1), times[0]
assert week[0]["zmanim"]["sunrise"] == [b["rise"] for b in week[0]["bodies"] if b["name"] == "sun"][0]
sunset = datetime.datetime.fromisoformat(week[2]["zmanim"]["sunset"])
assert datetime.datetime.fromisoformat(week[2]["zmanim"]["havdalah"]) - sunset == datetime.timedelta(minutes=72)
sunset = datetime.datetime.fromisoformat(week[1]["zmanim"]["sunset"]).replace(second=0)
assert sunset - datetime.datetime.fromisoformat(week[1]["zmanim"]["candleLighting"]) == datetime.timedelta(minutes=18)
month = ["--almanac", *london, "--from", "2026-06", "--to", "2026-06"]
table = list(csv.DictReader(io.StringIO(run("csv", month), newline=""), strict=True))
for row, day in zip(table, [json.loads(line) for line in run("json", month).splitlines()], strict=True):
    for key, time in day["zmanim"].items():
        if key not in ("sunrise", "sunset"):
            at = time and datetime.datetime.fromisoformat(time) + datetime.timedelta(seconds=30)
            assert row[key] == (at.strftime("%H:%M") if at else ""), (key, row[key], time)
    assert all(row[key] == "" for key in ("candleLighting", "havdalah") if key not in day["zmanim"]), row
print("the day's times read back:", len(table), "days")
