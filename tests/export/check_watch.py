#!/usr/bin/env python3
"""scleron-cli watch against the tester simulator: impacts every 200 ms, a discard, the cable
pulled and put back, the USB port vanishing and coming back, then Ctrl+C. The CSV log must hold
every impact the tester recorded while watched exactly once and in order (also those made while
the cable was out), the discard marked, and end with a whole line; the measurement file must be
complete. Every wait is for an event, bounded."""
import argparse
import csv
import io
import os
import queue
import signal
import subprocess
import sys
import tempfile
import threading
import time
import unittest

ARGS = None
COLUMNS = ["series", "measurement", "time", "value", "unit", "scale", "material", "impact_body", "angle",
           "raw_leeb", "hidden", "status"]


class Lines:
    """The lines of a pipe, read on a thread, waited for with a bound."""

    def __init__(self, pipe):
        self.queue = queue.Queue()
        self.seen = []
        threading.Thread(target=self._read, args=(pipe,), daemon=True).start()

    def _read(self, pipe):
        for raw in iter(pipe.readline, b""):
            self.queue.put(raw.decode("utf-8").rstrip("\n"))
        self.queue.put(None)

    def wait_for(self, predicate, timeout, what):
        deadline = time.monotonic() + timeout
        while True:
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                raise AssertionError(f"no {what} within {timeout} s; seen: {self.seen[-10:]}")
            try:
                line = self.queue.get(timeout=remaining)
            except queue.Empty:
                continue
            if line is None:
                raise AssertionError(f"the stream ended before {what}; seen: {self.seen[-10:]}")
            self.seen.append(line)
            if predicate(line):
                return line

    def drain(self):
        while True:
            try:
                line = self.queue.get(timeout=5)
            except queue.Empty:
                return
            if line is None:
                return
            self.seen.append(line)


class Simulator:
    def __init__(self, *options):
        self.process = subprocess.Popen([ARGS.sim, *options], stdin=subprocess.PIPE, stdout=subprocess.PIPE)
        self.out = Lines(self.process.stdout)
        self.path = self.out.wait_for(lambda line: line.startswith("/"), 10, "simulator path")

    def command(self, line):
        self.process.stdin.write((line + "\n").encode())
        self.process.stdin.flush()
        answer = self.out.wait_for(lambda l: l.startswith("ok") or l.startswith("error"), 10, f"answer to {line}")
        if not answer.startswith("ok"):
            raise AssertionError(f"{line}: {answer}")
        return answer[3:]

    def records(self):
        state = dict(item.split("=", 1) for item in self.command("show state").split() if "=" in item)
        result = []
        for i in range(int(state["records"])):
            fields = dict(item.split("=", 1) for item in self.command(f"show record {i}").split() if "=" in item)
            result.append((float(fields["value"]), int(fields["angle"]), bool(int(fields["mode"], 16) & 0x4000)))
        return result

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            self.process.wait(timeout=10)
        self.process.stdin.close()
        self.process.stdout.close()


def impact_line(line):
    return line.split("  ")[0].count(".") == 1 and "(L " in line


class Watch(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.link = os.path.join(self.dir.name, "ttyKestrel")
        self.env = dict(os.environ, LC_ALL="C", TZ="UTC", SCLERON_SERIAL_PORTS=self.link)
        self.env.pop("DISPLAY", None)

    def tearDown(self):
        self.dir.cleanup()

    def start_watch(self, *options):
        process = subprocess.Popen([ARGS.cli, "watch", *options], env=self.env, stdout=subprocess.PIPE,
                                   stderr=subprocess.PIPE)
        self.addCleanup(process.stderr.close)
        self.addCleanup(process.stdout.close)
        self.addCleanup(lambda: process.poll() is None and (process.kill(), process.wait()))
        return process, Lines(process.stdout), Lines(process.stderr)

    def test_logs_every_impact_once_through_a_discard_unplug_hangup_and_ctrl_c(self):
        sim = Simulator("--model", "kestrel2", "--serial", "W-1", "--series", "2", "--impacts", "3",
                        "--impact-every", "200", "--link", self.link)
        self.addCleanup(sim.stop)
        log = os.path.join(self.dir.name, "log.csv")
        hkp = os.path.join(self.dir.name, "live.hkp")
        watch, out, err = self.start_watch("-o", log, "--hkp", hkp, "--csv-dialect", "c")

        attached = err.wait_for(lambda l: l.startswith("Watching Kestrel 2 W-1 on COM1"), 60, "the attach")
        known = int(attached.split(": ")[1].split()[0])  # the memory read at the attach
        for _ in range(5):
            out.wait_for(impact_line, 10, "an impact")
        sim.command("discard")
        discard = out.wait_for(lambda l: l.endswith("  discarded"), 10, "the discard")
        for _ in range(2):
            out.wait_for(impact_line, 10, "an impact after the discard")

        sim.command("unplug")
        err.wait_for(lambda l: "connection to the tester was lost" in l, 30, "the lost connection")
        time.sleep(1.0)  # the tester goes on measuring while the cable is out
        sim.command("replug")
        err.wait_for(lambda l: l == "The tester answers again.", 30, "the tester back")
        for _ in range(3):
            out.wait_for(impact_line, 10, "an impact after the replug")

        sim.command("hangup")
        err.wait_for(lambda l: "connection to the tester was lost" in l, 30, "the vanished port")
        sim.command("replug")
        err.wait_for(lambda l: l == "The tester answers again.", 30, "the port back")
        for _ in range(3):
            out.wait_for(impact_line, 10, "an impact after the port came back")

        watch.send_signal(signal.SIGINT)
        self.assertEqual(watch.wait(timeout=30), 0)
        out.drain()
        err.drain()
        self.assertTrue(err.seen[-1].startswith("Ended: "), err.seen)
        tester = sim.records()

        with open(log, "rb") as f:
            data = f.read()
        self.assertTrue(data.endswith(b"\r\n"))
        rows = list(csv.reader(io.StringIO(data.decode("utf-8"), newline="")))
        self.assertEqual(rows[0], COLUMNS)
        records = [dict(zip(COLUMNS, row)) for row in rows[1:]]
        impacts = [r for r in records if r["status"] != "discarded"]
        discards = [r for r in records if r["status"] == "discarded"]
        printed = [l for l in out.seen if impact_line(l)]
        self.assertEqual(len(impacts), len(printed))
        self.assertEqual(len({(r["series"], r["measurement"]) for r in impacts}), len(impacts), "an impact twice")

        # The logged impacts are the tester's memory from the first record after the attach on,
        # without gaps (also the impacts made while the cable was out) or repeats.
        logged = [(float(r["raw_leeb"]), int(r["angle"])) for r in impacts]
        first = known
        self.assertGreaterEqual(first, 6)
        self.assertEqual(logged, [rec[:2] for rec in tester[first:first + len(logged)]])
        self.assertGreaterEqual(len(impacts), 16)
        for r in impacts:
            self.assertTrue(r["value"] and float(r["value"]) > 0, r)

        self.assertEqual(len(discards), 1)
        discarded = discards[0]
        self.assertEqual((discarded["hidden"], discarded["value"]), ("1", ""))
        self.assertEqual(discard, f"{discarded['series']}.{discarded['measurement']}  discarded")
        position = next(i for i, r in enumerate(impacts)
                        if (r["series"], r["measurement"]) == (discarded["series"], discarded["measurement"]))
        self.assertLess(records.index(impacts[position]), records.index(discarded))
        self.assertTrue(tester[first + position][2], "the tester's record is not the discarded one")

        # The measurement file holds the tester's whole memory as watched, the discard hidden.
        exported = subprocess.run([ARGS.cli, "export", hkp, "--format", "csv", "--csv-dialect", "c"], env=self.env,
                                  capture_output=True, check=True).stdout.decode("utf-8")
        saved = [dict(zip(COLUMNS, row)) for row in list(csv.reader(io.StringIO(exported, newline="")))[1:]]
        self.assertEqual([(float(r["raw_leeb"]), int(r["angle"])) for r in saved],
                         [rec[:2] for rec in tester[:first + len(logged)]])
        self.assertEqual([r["hidden"] == "1" for r in saved], [rec[2] for rec in tester[:first + len(logged)]])

    def test_appends_to_its_own_log_and_leaves_other_files_alone(self):
        other = os.path.join(self.dir.name, "notes.csv")
        with open(other, "wb") as f:
            f.write(b"a,b\r\n1,2\r\n")
        watch, _, err = self.start_watch("-o", other)
        self.assertEqual(watch.wait(timeout=30), 5)
        err.drain()
        self.assertIn("is not the header of a measurement log", " ".join(err.seen))
        with open(other, "rb") as f:
            self.assertEqual(f.read(), b"a,b\r\n1,2\r\n")

        sim = Simulator("--model", "kestrel1", "--series", "1", "--impacts", "2", "--link", self.link)
        self.addCleanup(sim.stop)
        log = os.path.join(self.dir.name, "log.csv")
        for run, dialect in enumerate(("locale", "c")):
            watch, out, err = self.start_watch("-o", log, "--csv-dialect", dialect)
            err.wait_for(lambda l: l.startswith("Watching Kestrel 1"), 60, "the attach")
            sim.command(f"impact {500 + run} 90")
            out.wait_for(impact_line, 10, "the impact")
            watch.send_signal(signal.SIGINT)
            self.assertEqual(watch.wait(timeout=30), 0)
        with open(log, "rb") as f:
            data = f.read()
        # Created in the locale dialect of LC_ALL=C (a byte-order mark, "," and "."), appended to
        # in the same dialect although "c" was asked for the second time.
        self.assertTrue(data.startswith(b"\xef\xbb\xbfseries,"))
        self.assertEqual(data.count(b"series,measurement"), 1)
        rows = list(csv.reader(io.StringIO(data[3:].decode("utf-8"), newline="")))
        self.assertEqual([(r[9], r[8]) for r in rows[1:]], [("500", "90"), ("501", "90")])

    def test_log_on_standard_output(self):
        sim = Simulator("--model", "kestrel2", "--series", "1", "--impacts", "2", "--link", self.link)
        self.addCleanup(sim.stop)
        watch, out, err = self.start_watch("-o", "-", "--csv-dialect", "c")
        self.assertEqual(out.wait_for(lambda l: True, 60, "the header"), ",".join(COLUMNS) + "\r")
        err.wait_for(lambda l: l.startswith("Watching Kestrel 2"), 60, "the attach")
        sim.command("impact 612 90")
        row = out.wait_for(lambda l: True, 10, "the row")
        self.assertEqual(next(csv.reader([row.rstrip("\r")]))[8:11], ["90", "612", "0"])
        err.wait_for(impact_line, 10, "the impact line on standard error")
        watch.send_signal(signal.SIGINT)
        self.assertEqual(watch.wait(timeout=30), 0)

    def test_wrong_arguments_and_no_tester(self):
        for options in (["--port"], ["--port", "x"], ["--csv-dialect", "tsv"], ["extra"]):
            with self.subTest(options=options):
                watch, _, _ = self.start_watch(*options)
                self.assertEqual(watch.wait(timeout=30), 2)
        watch, _, err = self.start_watch()
        self.assertEqual(watch.wait(timeout=60), 3)
        err.drain()
        self.assertIn("No tester found.", err.seen)


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--sim", required=True)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
