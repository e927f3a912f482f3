"""A real FTP server on 127.0.0.1 for the update tests.

Serves --root read-only to one account on a free port and prints "PORT <n>" once it listens.
Test-only knobs that a friendly server never shows:
  --extra-entry LINE     one more MLSD line (e.g. "type=file;size=10; ../x_V_9_9_9.exe")
  --truncate NAME=BYTES  RETR of NAME ends after BYTES bytes although the listing shows more
  --refuse-command CMD   CMD (e.g. PWD) is answered with 550
A refused login is answered at once (auth_failed_timeout = 0), not after pyftpdlib's pause.
"""
import argparse
import os
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


class _ShortFile:
    def __init__(self, f, limit):
        self._f, self._left = f, limit
        self.name, self.closed = f.name, False

    def read(self, n=-1):
        if self._left <= 0:
            return b""
        if n is None or n < 0 or n > self._left:
            n = self._left
        data = self._f.read(n)
        self._left -= len(data)
        return data

    def close(self):
        self.closed = True
        self._f.close()


def make_fs(extra_entries, truncations):
    class TestFS(AbstractedFS):
        def format_mlsx(self, basedir, listing, perms, facts, ignore_err=True):
            for line in super().format_mlsx(basedir, listing, perms, facts, ignore_err):
                yield line
            for entry in extra_entries:
                yield (entry + "\r\n").encode("utf8", self.cmd_channel.unicode_errors)

        def open(self, filename, mode):
            f = super().open(filename, mode)
            limit = truncations.get(os.path.basename(filename))
            return f if limit is None else _ShortFile(f, limit)

    return TestFS


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--root", required=True)
    p.add_argument("--user", default="tester")
    p.add_argument("--password", default="secret")
    p.add_argument("--extra-entry", action="append", default=[])
    p.add_argument("--truncate", action="append", default=[])
    p.add_argument("--refuse-command", action="append", default=[])
    a = p.parse_args()

    truncations = {}
    for t in a.truncate:
        name, _, size = t.rpartition("=")
        truncations[name] = int(size)

    auth = DummyAuthorizer()
    auth.add_user(a.user, a.password, a.root, perm="elr")
    class Handler(FTPHandler):
        pass

    for command in a.refuse_command:
        setattr(Handler, "ftp_" + command.upper(), lambda self, line: self.respond("550 Refused for the test."))
    handler = Handler
    handler.authorizer = auth
    handler.auth_failed_timeout = 0
    handler.use_sendfile = False
    handler.abstracted_fs = make_fs(a.extra_entry, truncations)
    handler.passive_ports = None
    server = FTPServer(("127.0.0.1", 0), handler)
    server.max_cons = 64
    print("PORT %d" % server.address[1], flush=True)
    server.serve_forever(handle_exit=True)


if __name__ == "__main__":
    import logging
    logging.basicConfig(level=logging.WARNING, stream=sys.stderr)
    main()
