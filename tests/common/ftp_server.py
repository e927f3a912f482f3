"""A real FTP server on 127.0.0.1 for the update tests.

Serves --root read-only to one account on a free port and prints "PORT <n>" once it listens.
Each session runs on a thread of its own, so a session held up on purpose holds up no other.
  --tls-cert FILE --tls-key FILE  explicit TLS (AUTH TLS) with that certificate (PEM)
Test-only knobs that a friendly server never shows:
  --extra-entry LINE     one more MLSD line (e.g. "type=file;size=10; ../x_V_9_9_9.exe")
  --truncate NAME=BYTES  RETR of NAME ends after BYTES bytes although the listing shows more
  --list-size NAME=BYTES the listings give NAME this size, whatever the file holds
  --trickle NAME         RETR of NAME sends one byte every half second
  --stall NAME           RETR of NAME sends 1000 bytes, then nothing
  --trickle-list         listings send one byte every half second
  --stall-list           listings send nothing at all
  --refuse-command CMD   CMD (e.g. PWD, MLSD) is answered with 550
A refused login is answered at once (auth_failed_timeout = 0), not after pyftpdlib's pause.
"""
import argparse
import os
import sys
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import ThreadedFTPServer


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


class _SlowFile:
    """Hands out one byte every half second (trickle), or 1000 bytes and then nothing (stall)."""

    def __init__(self, f, stall):
        self._f, self._stall, self._sent = f, stall, 0
        self.name, self.closed = f.name, False

    def read(self, n=-1):
        if self._stall and self._sent >= 1000:
            while not self.closed:
                time.sleep(0.5)
            return b""
        if not self._stall:
            time.sleep(0.5)
        data = self._f.read(1000 if self._stall else 1)
        self._sent += len(data)
        return data

    def close(self):
        self.closed = True
        self._f.close()


def _slow_lines(lines, stall):
    if stall:
        while True:
            time.sleep(0.5)
    for line in lines:
        for i in range(len(line)):
            time.sleep(0.5)
            yield line[i:i + 1]


def _with_size(lines, sizes, mlsx):
    """Rewrites the size of the named files in listing lines (bytes)."""
    for line in lines:
        text = line.decode("utf8", "replace")
        for name, size in sizes.items():
            if text.rstrip("\r\n").endswith(" " + name):
                if mlsx:
                    facts, _, rest = text.partition(" ")
                    facts = ";".join("size=%d" % size if f.lower().startswith("size=") else f for f in facts.split(";"))
                    text = facts + " " + rest
                else:
                    words = text.split(None, 8)
                    words[4] = str(size)
                    text = " ".join(words)
                    if not text.endswith("\r\n"):
                        text += "\r\n"
        yield text.encode("utf8")


def make_fs(a, truncations, sizes):
    class TestFS(AbstractedFS):
        def format_mlsx(self, basedir, listing, perms, facts, ignore_err=True):
            def lines():
                for line in super(TestFS, self).format_mlsx(basedir, listing, perms, facts, ignore_err):
                    yield line
                for entry in a.extra_entry:
                    yield (entry + "\r\n").encode("utf8", self.cmd_channel.unicode_errors)
            return self._slow(_with_size(lines(), sizes, True))

        def format_list(self, basedir, listing, ignore_err=True):
            return self._slow(_with_size(super().format_list(basedir, listing, ignore_err), sizes, False))

        def _slow(self, lines):
            if a.trickle_list or a.stall_list:
                return _slow_lines(list(lines), a.stall_list)
            return lines

        def open(self, filename, mode):
            f = super().open(filename, mode)
            name = os.path.basename(filename)
            if name in a.trickle or name in a.stall:
                return _SlowFile(f, name in a.stall)
            limit = truncations.get(name)
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
    p.add_argument("--list-size", action="append", default=[])
    p.add_argument("--trickle", action="append", default=[])
    p.add_argument("--stall", action="append", default=[])
    p.add_argument("--trickle-list", action="store_true")
    p.add_argument("--stall-list", action="store_true")
    p.add_argument("--tls-cert")
    p.add_argument("--tls-key")
    a = p.parse_args()

    def sizes_of(items):
        result = {}
        for t in items:
            name, _, size = t.rpartition("=")
            result[name] = int(size)
        return result

    truncations = sizes_of(a.truncate)
    sizes = sizes_of(a.list_size)

    auth = DummyAuthorizer()
    auth.add_user(a.user, a.password, a.root, perm="elr")
    if a.tls_cert:
        from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler

        class DataHandler(TLS_DTPHandler):
            # A client may start the data connection's handshake before it sends the transfer
            # command; pyftpdlib would drop such a connection as idle.
            def readable(self):
                return self._ssl_accepting or super().readable()

        class Handler(TLS_FTPHandler):
            @classmethod
            def get_ssl_context(cls):
                # Clients resume the control connection's TLS session on the data connections,
                # which OpenSSL allows only with a session id context.
                if cls.ssl_context is None:
                    context = super().get_ssl_context()
                    context.set_session_id(b"scleron-test")
                return cls.ssl_context
        Handler.dtp_handler = DataHandler
        Handler.certfile = a.tls_cert
        Handler.keyfile = a.tls_key
    else:
        class Handler(FTPHandler):
            pass

    for command in a.refuse_command:
        setattr(Handler, "ftp_" + command.upper(), lambda self, line: self.respond("550 Refused for the test."))
    handler = Handler
    handler.authorizer = auth
    handler.auth_failed_timeout = 0
    handler.use_sendfile = False
    handler.abstracted_fs = make_fs(a, truncations, sizes)
    handler.passive_ports = None
    server = ThreadedFTPServer(("127.0.0.1", 0), handler)
    server.max_cons = 64
    print("PORT %d" % server.address[1], flush=True)
    server.serve_forever(handle_exit=True)


if __name__ == "__main__":
    import logging
    logging.basicConfig(level=logging.WARNING, stream=sys.stderr)
    main()
