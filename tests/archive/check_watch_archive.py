#!/usr/bin/env python3
"""scleron-cli watch --archive against the tester simulator and a real PostgreSQL server that this
test starts in a temporary folder: the server is stopped in the middle of the watch and started
again; every impact the tester recorded must end in the archive exactly once, the discard hidden.
A second watch (the tester's memory read again on attaching) adds nothing. Every wait is bounded."""
import argparse
import csv
import glob
import io
import os
import pwd
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "export"))
import check_watch  # noqa: E402  (the simulator and line readers of the watch test)
from check_watch import Lines, Simulator, impact_line  # noqa: E402

ARGS = None


class PostgresServer:
    """initdb, start and stop as the unprivileged postgres account when running as root."""

    def __init__(self, folder):
        bins = sorted(glob.glob("/usr/lib/postgresql/*/bin/pg_ctl"))
        if not bins:
            raise unittest.SkipTest("PostgreSQL is not installed")
        self.bin = os.path.dirname(bins[-1])
        self.folder = folder
        self.data = os.path.join(folder, "data")
        os.makedirs(self.data)
        os.chmod(folder, 0o755)
        if os.geteuid() == 0:
            pg = pwd.getpwnam("postgres")
            for path in (folder, self.data):
                os.chown(path, pg.pw_uid, pg.pw_gid)
        with socket.socket() as s:
            s.bind(("127.0.0.1", 0))
            self.port = s.getsockname()[1]
        self.running = False
        self.run("initdb", "-D", self.data, "-A", "trust", "-U", "postgres")
        self.start()

    def run(self, tool, *args):
        command = [os.path.join(self.bin, tool), *args]
        if os.geteuid() == 0:
            command = ["runuser", "-u", "postgres", "--"] + command
        result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=120)
        if result.returncode != 0:
            raise AssertionError(f"{tool} failed: {result.stdout.decode(errors='replace')}")

    def start(self):
        # The log goes to a file: a server with its output on a pipe would hold the pipe open.
        self.run("pg_ctl", "-D", self.data, "-l", os.path.join(self.folder, "server.log"), "-o",
                 f"-p {self.port} -k {self.folder} -h 127.0.0.1", "-w", "start")
        self.running = True

    def stop(self):
        if self.running:
            self.run("pg_ctl", "-D", self.data, "-m", "fast", "-w", "stop")
            self.running = False

    def create_database(self, name):
        self.run("createdb", "-h", "127.0.0.1", "-p", str(self.port), "-U", "postgres", name)
        return f"postgresql://postgres@127.0.0.1:{self.port}/{name}"


class WatchArchive(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp()
        os.chmod(self.dir, 0o755)  # the server's account must reach its folder inside
        self.addCleanup(shutil.rmtree, self.dir, True)
        self.server = PostgresServer(os.path.join(self.dir, "pg"))
        self.addCleanup(self.server.stop)
        self.link = os.path.join(self.dir, "ttyKestrel")
        self.env = dict(os.environ, LC_ALL="C", TZ="UTC", SCLERON_SERIAL_PORTS=self.link,
                        SCLERON_ARCHIVE_URL=self.server.create_database("lab"),
                        SCLERON_REGISTRY=os.path.join(self.dir, "registry"))
        self.env.pop("DISPLAY", None)

    def start_watch(self):
        process = subprocess.Popen([ARGS.cli, "watch", "--archive"], env=self.env, stdout=subprocess.PIPE,
                                   stderr=subprocess.PIPE)
        self.addCleanup(process.stderr.close)
        self.addCleanup(process.stdout.close)
        self.addCleanup(lambda: process.poll() is None and (process.kill(), process.wait()))
        return process, Lines(process.stdout), Lines(process.stderr)

    def archived(self):
        """The archive's series of the tester as (raw, angle, hidden) in series order."""
        out = os.path.join(self.dir, "archived.hkp")
        subprocess.run([ARGS.cli, "archive", "export", "--serial", "WA-1", "-o", out], env=self.env, check=True,
                       capture_output=True, timeout=60)
        exported = subprocess.run([ARGS.cli, "export", out, "--format", "csv", "--csv-dialect", "c"], env=self.env,
                                  capture_output=True, check=True, timeout=60).stdout.decode("utf-8")
        rows = list(csv.DictReader(io.StringIO(exported, newline="")))
        return [(float(r["raw_leeb"]), int(r["angle"]), r["hidden"] == "1") for r in rows]

    def test_a_server_restarted_in_the_middle_loses_nothing(self):
        sim = Simulator("--model", "kestrel2", "--serial", "WA-1", "--series", "2", "--impacts", "3",
                        "--impact-every", "200", "--link", self.link)
        self.addCleanup(sim.stop)
        watch, out, err = self.start_watch()
        attached = err.wait_for(lambda l: l.startswith("Watching Kestrel 2 WA-1"), 60, "the attach")
        known = int(attached.split(": ")[1].split()[0])  # the memory read at the attach
        for _ in range(3):
            out.wait_for(impact_line, 10, "an impact")

        self.server.stop()
        err.wait_for(lambda l: l.startswith("Archive unreachable"), 30, "the archive reported unreachable")
        for _ in range(4):
            out.wait_for(impact_line, 10, "an impact while the server is down")
        sim.command("discard")
        out.wait_for(lambda l: l.endswith("  discarded"), 30, "the discard")
        out.wait_for(impact_line, 10, "an impact after the discard")

        self.server.start()
        err.wait_for(lambda l: l.startswith("The archive answers again"), 60, "the archive back")
        for _ in range(2):
            out.wait_for(impact_line, 10, "an impact after the restart")
        watch.send_signal(signal.SIGINT)
        self.assertEqual(watch.wait(timeout=60), 0)
        out.drain()
        err.drain()

        # The tester measures on after the watch ended: the archive holds its memory up to then,
        # each impact once, in order.
        watched = known + len([l for l in out.seen if impact_line(l)])
        archived = self.archived()
        self.assertEqual(len(archived), watched)
        self.assertEqual(archived, sim.records()[:watched])
        self.assertTrue(any(hidden for _, _, hidden in archived))

        # Watching again reads the whole memory on attaching: only what is new is added.
        watch, out, err = self.start_watch()
        attached = err.wait_for(lambda l: l.startswith("Watching Kestrel 2 WA-1"), 60, "the second attach")
        watch.send_signal(signal.SIGINT)
        self.assertEqual(watch.wait(timeout=60), 0)
        out.drain()
        again = self.archived()
        self.assertGreaterEqual(len(again), int(attached.split(": ")[1].split()[0]))
        self.assertEqual(again, sim.records()[:len(again)])

    def test_switched_off_archive_is_refused(self):
        env = dict(self.env, SCLERON_ARCHIVE_URL="off")
        result = subprocess.run([ARGS.cli, "watch", "--archive"], env=env, capture_output=True, timeout=60)
        self.assertEqual(result.returncode, 6)
        self.assertIn(b"switched off", result.stderr)


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--sim", required=True)
    ARGS, rest = parser.parse_known_args()
    check_watch.ARGS = ARGS
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
