#!/usr/bin/env python3
"""scleron-cli export --format csv / json, read back with Python's own csv and json parsers.

The numbers of both exports must be the numbers the table shows (the text export), in both CSV
dialects; values the table cannot show are empty with their reason; names with separators and
quotes survive the quoting; the JSON validates against docs/export.schema.json.
"""
import argparse
import csv
import io
import json
import os
import re
import subprocess
import sys
import unittest

import jsonschema

ARGS = None
BOM = b"\xef\xbb\xbf"
MEASUREMENT_COLUMNS = ["series", "measurement", "time", "value", "unit", "scale", "material",
                       "impact_body", "angle", "raw_leeb", "hidden", "status"]
STATISTICS_COLUMNS = ["series", "time", "scale", "unit", "material", "impact_body", "count", "mean",
                      "deviation", "minimum", "maximum", "range", "mean_angle", "status",
                      "lower_limit", "upper_limit", "verdict"]


def run(args, locale="C", tz="UTC", expect=0):
    env = dict(os.environ, LC_ALL=locale, TZ=tz)
    env.pop("DISPLAY", None)
    result = subprocess.run(args, env=env, capture_output=True, timeout=60)
    if result.returncode != expect:
        raise AssertionError(f"{args}: exit {result.returncode}, stderr {result.stderr!r}")
    return result.stdout


def export(*extra, locale="C", tz="UTC", expect=0):
    return run([ARGS.cli, "export", os.path.join(ARGS.fixtures, "mixed.hkp"), *extra], locale, tz, expect)


def read_csv(data, separator):
    """Parses CSV bytes as a spreadsheet would: UTF-8, the given separator. Returns (bom, rows)."""
    bom = data.startswith(BOM)
    text = data[len(BOM):].decode("utf-8") if bom else data.decode("utf-8")
    return bom, list(csv.reader(io.StringIO(text, newline=""), delimiter=separator, strict=True))


def number(text, decimal):
    """A CSV number cell as a float; fails on anything that is not a plain number."""
    if decimal == ",":
        assert "." not in text, text
        text = text.replace(",", ".")
    assert re.fullmatch(r"-?\d+(\.\d+)?", text), f"not a number: {text!r}"
    return float(text)


def table_rows():
    """The text export (everything is expanded in the fixture): measurement rows and statistics
    rows, keyed by the Index column."""
    lines = export().decode("utf-8").split("\r\n")
    rows = list(csv.reader(lines[2:], delimiter="\t"))
    measurements, statistics = {}, {}
    series = None
    for row in rows:
        if not row:
            continue
        index = row[0]
        if re.fullmatch(r"\d+", index):
            series = index
        elif index == "Statistic":
            statistics[series] = row
        else:
            measurements[index] = row
    return measurements, statistics


def cell_number(text, label=""):
    """The number of a table cell such as "335 HV" or "m: 97.7 HB"; None for "-" or no number."""
    match = re.fullmatch(re.escape(label) + r"(-?\d+(?:\.\d+)?)(?: (.*))?", text.strip())
    return (float(match.group(1)), match.group(2) or "") if match else None


# The dialects to check: (command-line options, LC_ALL, separator, decimal, byte-order mark).
DIALECTS = [
    ([], "C", ",", ".", True),
    ([], "de_DE.UTF-8", ";", ",", True),
    ([], "en_US.UTF-8", ",", ".", True),
    (["--csv-dialect", "c"], "de_DE.UTF-8", ",", ".", False),
    (["--csv-dialect", "locale"], "fr_FR.UTF-8", ";", ",", True),
]


class CsvExport(unittest.TestCase):
    def test_measurements_equal_the_table_in_every_dialect(self):
        table, _ = table_rows()
        for options, locale, separator, decimal, bom in DIALECTS:
            with self.subTest(options=options, locale=locale):
                data = export("--format", "csv", *options, locale=locale)
                has_bom, rows = read_csv(data, separator)
                self.assertEqual(has_bom, bom)
                self.assertTrue(data.endswith(b"\r\n"))
                self.assertEqual(rows[0], MEASUREMENT_COLUMNS)
                records = [dict(zip(rows[0], row)) for row in rows[1:]]
                self.assertTrue(all(len(row) == len(MEASUREMENT_COLUMNS) for row in rows))
                self.assertEqual([f"{r['series']}.{r['measurement']}" for r in records], list(table))
                for record in records:
                    shown = table[f"{record['series']}.{record['measurement']}"]
                    value_cell = shown[3]
                    parsed = cell_number(value_cell)
                    if parsed:
                        self.assertEqual(number(record["value"], decimal), parsed[0], record)
                        self.assertEqual(record["unit"], parsed[1])
                        self.assertEqual(record["status"], "")
                        # Unquoted in the file: a spreadsheet reads it as a number.
                        self.assertNotIn(f'"{record["value"]}"', data.decode("utf-8"))
                    else:
                        self.assertEqual(record["value"], "", record)
                        expected = {"Out of range": "out of range", "no curve": "no curve"}.get(value_cell)
                        if expected:
                            self.assertEqual(record["status"], expected)
                        else:
                            self.assertIn(record["status"], ("no material", "no value", "no curve"))
                    number(record["raw_leeb"], decimal)
                    self.assertIn(record["hidden"], ("0", "1"))

    def test_empty_values_carry_their_reason_and_hidden_rows_are_marked(self):
        _, rows = read_csv(export("--format", "csv", "--csv-dialect", "c"), ",")
        by_key = {(r[0], r[1]): dict(zip(rows[0], r)) for r in rows[1:]}
        cases = {
            ("2", "3"): ("", "out of range", "0"),   # Vickers, below the curve's lowest Leeb value
            ("11", "1"): ("", "no curve", "0"),      # custom curve on Rockwell C of a material without one
            ("13", "1"): ("", "no curve", "0"),      # Rockwell A has no curves
            ("10", "1"): ("", "no material", "0"),   # Vickers, no material chosen
            ("1", "2"): ("521", "", "1"),            # hidden, with its value
            ("5", "2"): ("98.0", "", "0"),           # one decimal below 100, as the table
            ("7", "1"): ("1091", "", "0"),
        }
        for key, (value, status, hidden) in cases.items():
            with self.subTest(key=key):
                record = by_key[key]
                self.assertEqual((record["value"], record["status"], record["hidden"]), (value, status, hidden))
        self.assertEqual(by_key[("1", "2")]["raw_leeb"], "520.5")
        self.assertEqual(by_key[("7", "1")]["unit"], "N/mm²")
        self.assertEqual(by_key[("5", "1")]["scale"], "HB Brinell (F=30D²)")

    def test_times_are_iso_8601_local_time_with_the_offset(self):
        table, _ = table_rows()
        _, rows = read_csv(export("--format", "csv", "--csv-dialect", "c"), ",")
        for row in rows[1:]:
            shown = table[f"{row[0]}.{row[1]}"]
            self.assertEqual(row[2], f"{shown[1]}T{shown[2]}+00:00")
        _, berlin = read_csv(export("--format", "csv", "--csv-dialect", "c", tz="Europe/Berlin"), ",")
        self.assertEqual(berlin[1][2], "2020-09-13T14:27:41+02:00")

    def test_statistics_equal_the_table(self):
        _, table = table_rows()
        labels = {"mean": "m: ", "deviation": "s: ", "minimum": "Min: ", "maximum": "Max: ", "range": "R: "}
        for options, locale, separator, decimal, bom in DIALECTS[:2]:
            with self.subTest(locale=locale):
                has_bom, rows = read_csv(export("--format", "csv", "--statistics", locale=locale), separator)
                self.assertEqual(has_bom, bom)
                self.assertEqual(rows[0], STATISTICS_COLUMNS)
                records = [dict(zip(rows[0], row)) for row in rows[1:]]
                self.assertEqual([r["series"] for r in records], list(table))
                for record in records:
                    shown = table[record["series"]]
                    count = cell_number(shown[6], "N: ")
                    self.assertEqual(int(record["count"]), int(count[0]) if count else 0)
                    for i, (column, label) in enumerate(labels.items()):
                        parsed = cell_number(shown[1 + i], label)
                        if count is None:
                            self.assertEqual(record[column], "")
                        elif parsed is None:
                            # "s: -" of a single value
                            self.assertEqual((column, record[column]), ("deviation", ""))
                        else:
                            self.assertEqual(number(record[column], decimal), parsed[0], (record, column))
                    self.assertEqual(record["status"] == "", count is not None)
        status = STATISTICS_COLUMNS.index("status")
        statuses = {r[0]: r[status] for r in read_csv(export("--format", "csv", "--statistics"), ",")[1][1:]}
        self.assertEqual(statuses["2"], "not convertible")
        self.assertEqual(statuses["9"], "no visible values")

    def test_names_with_separators_and_quotes_survive(self):
        for dialect, separator in (("c", ","), ("locale", ";")):
            with self.subTest(dialect=dialect):
                data = run([ARGS.quoted_names, os.path.join(ARGS.fixtures, "mixed.hkp"), dialect],
                           locale="de_DE.UTF-8")
                _, rows = read_csv(data, separator)
                materials = {row[0]: row[6] for row in rows[1:]}
                self.assertEqual(materials["2"], 'Steel "C45"; 1,5 mm')
                self.assertEqual(materials["5"], 'Alu, cast; "AlSi" 0.5')
                self.assertTrue(all(len(row) == len(MEASUREMENT_COLUMNS) for row in rows))

    def test_wrong_options_are_refused(self):
        for options in (["--format", "csv", "--csv-dialect", "excel"], ["--format", "json", "--statistics"],
                        ["--csv-dialect", "c"], ["--format", "xml"]):
            with self.subTest(options=options):
                export(*options, expect=2)


class JsonExport(unittest.TestCase):
    def setUp(self):
        self.document = json.loads(export("--format", "json", locale="de_DE.UTF-8"))

    def test_validates_against_the_schema(self):
        with open(ARGS.schema, encoding="utf-8") as f:
            schema = json.load(f)
        jsonschema.Draft202012Validator.check_schema(schema)
        jsonschema.validate(self.document, schema, cls=jsonschema.Draft202012Validator)

    def test_holds_the_numbers_of_the_csv(self):
        self.assertEqual(self.document["device"]["serial_number"], 'K2-"Q";7')
        self.assertEqual(self.document["device"]["name"], "Kestrel 2")
        _, rows = read_csv(export("--format", "csv", "--csv-dialect", "c"), ",")
        flat = [(s, m) for s in self.document["series"] for m in s["measurements"]]
        self.assertEqual(len(flat), len(rows) - 1)
        for (series, measurement), row in zip(flat, rows[1:]):
            record = dict(zip(rows[0], row))
            self.assertEqual(series["series"], int(record["series"]))
            self.assertEqual(measurement["measurement"], int(record["measurement"]))
            self.assertEqual(measurement["value"], float(record["value"]) if record["value"] else None)
            self.assertEqual(measurement["raw_leeb"], float(record["raw_leeb"]))
            self.assertEqual(measurement["hidden"], record["hidden"] == "1")
            self.assertEqual(measurement["status"], record["status"] or None)
            self.assertEqual(series["unit"], record["unit"] or None)
        _, statistics = read_csv(export("--format", "csv", "--statistics", "--csv-dialect", "c"), ",")
        for series, row in zip(self.document["series"], statistics[1:]):
            record = dict(zip(statistics[0], row))
            for key in ("mean", "deviation", "minimum", "maximum", "range"):
                self.assertEqual(series["statistics"][key], float(record[key]) if record[key] else None)
            self.assertEqual(series["statistics"]["count"], int(record["count"]))


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--quoted-names", required=True)
    parser.add_argument("--fixtures", required=True)
    parser.add_argument("--schema", required=True)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
