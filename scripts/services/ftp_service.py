#!/usr/bin/python3
"""Loopback FTP stand-in for the vendor's upload server.

Serves one account (user "user_dravonel_ftp") on 127.0.0.1 with an ephemeral port (or --port).
Its root is "<dir>/root", which holds the remote folders the program uploads into:
    /public_html/apps/<product key>/telemetry/{data,feedback,feedback/files,log}
    /public_html/apps/installers/online/ostrel/telemetry/{data,feedback,feedback/files,log}
Uploaded files land there, so a test reads what arrived straight from that folder.

--mode chooses how it behaves:
    normal          accepts every upload
    refuse-folder   the telemetry folders refuse writing (550 on STOR)
    wrong-password  the account's password differs from the program's, so every login fails
    drop            closes the control and data connections, without a reply, once the first
                    bytes of an upload have arrived
    help-502        answers HELP with "502 Command not implemented"
    no-size         answers SIZE with "502 Command not implemented"
    ack-short       reads the first 100 bytes of an upload, closes the data connection and
                    answers 226 (transfer complete)
    ack-unread      answers 226 as soon as an upload starts, without reading anything
    ack-missing     answers 226 as soon as an upload starts and keeps no file of it (the data is
                    taken and thrown away): SIZE then answers 550 (no such file), which the
                    program cannot tell from an upload-only account, so the upload reads as sent
    upload-only     an account that may only upload, as accounts receiving reports often are:
                    keeps every upload and answers SIZE with "550 Permission denied."
    stall           accepts an upload's data connection and from then on is silent on both
                    connections: reads no data and answers no command, not even QUIT
    greeting-flood  greets with continuation lines ("220-...") that never end
    greeting-endless-line
                    greets with one line ("220 ...") that never ends
On start it prints "PORT=<n>" on standard output and writes the same line to --env-file when
given. Each command after login ("COMMAND argument") is appended to --request-log when given.
"""

import argparse
import os
import signal
import socket
import struct
import sys
import threading
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer

USER = "user_dravonel_ftp"
PASSWORD = "Vq7Lm2Xr9Tb4Nc8K"
APPS = "public_html/apps"
PRODUCT_KEYS = ["verdimon_nuvo", "installers/online/ostrel"]
KINDS = ["data", "feedback", "feedback/files", "log"]


def make_tree(root):
    folders = []
    for key in PRODUCT_KEYS:
        for kind in KINDS:
            folder = os.path.join(root, APPS, key, "telemetry", kind)
            os.makedirs(folder, exist_ok=True)
            folders.append(folder)
    return folders


class DroppingDTPHandler(DTPHandler):
    """Data channel that breaks off as soon as the first bytes of an upload have arrived."""

    def handle_read_event(self):
        super().handle_read_event()
        if self.tot_bytes_received > 0 and not self._closed:
            # An abortive close (RST) of the data connection; closing the control connection
            # closes this one too, and neither answers.
            self.socket.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
            self.cmd_channel.close()


class ShortDTPHandler(DTPHandler):
    """Data channel that keeps only the first 100 bytes of an upload and calls it complete."""

    def handle_read(self):
        chunk = self.socket.recv(100 - self.tot_bytes_received)
        self.tot_bytes_received += len(chunk)
        self.file_obj.write(chunk)
        if not chunk or self.tot_bytes_received >= 100:
            self.handle_close()  # 226: "transfer complete"

    handle_read_event = handle_read


class UnreadDTPHandler(DTPHandler):
    """Data channel that calls an upload complete before reading any of it."""

    def enable_receiving(self, type, cmd):
        super().enable_receiving(type, cmd)
        self.handle_close()


class StallingDTPHandler(DTPHandler):
    """Data channel that takes an upload's connection and then reads nothing, ever; its control
    connection answers nothing more either."""

    timeout = 0  # no idle kick-out either

    def enable_receiving(self, type, cmd):
        super().enable_receiving(type, cmd)
        self.modify_ioloop_events(0)
        self.cmd_channel.stalled = True


class MissingDTPHandler(DTPHandler):
    """Data channel that calls an upload complete at once and keeps no file of it."""

    def enable_receiving(self, type, cmd):
        super().enable_receiving(type, cmd)
        self.cmd_channel.respond("226 Transfer complete.")
        # The data still goes into the open file, so the client meets no reset, but the name is
        # gone before it can ask for the size.
        os.remove(self.file_obj.name)

    def close(self):
        self._resp = None  # the one acknowledgement was sent already
        super().close()


class EndlessProducer:
    """What a flooding server sends: the same chunk for as long as the client reads."""

    def __init__(self, chunk):
        self.chunk = chunk

    def more(self):
        return self.chunk


GREETING_FLOODS = {
    "greeting-flood": ("", b"220-This greeting goes on and on and on.\r\n" * 400),
    "greeting-endless-line": ("220 ", b"x" * 16384),
}


DTP_HANDLERS = {
    "drop": DroppingDTPHandler,
    "ack-short": ShortDTPHandler,
    "ack-unread": UnreadDTPHandler,
    "ack-missing": MissingDTPHandler,
    "stall": StallingDTPHandler,
}


def watch_parent(parent):
    def watch():
        while os.getppid() == parent:
            time.sleep(0.5)
        os._exit(0)
    threading.Thread(target=watch, daemon=True).start()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dir", required=True, help="state folder (the served root lives below)")
    parser.add_argument("--mode", default="normal",
                        choices=["normal", "refuse-folder", "wrong-password", "drop", "help-502", "no-size",
                                 "ack-short", "ack-unread", "ack-missing", "upload-only", "stall"]
                        + list(GREETING_FLOODS))
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--env-file")
    parser.add_argument("--request-log")
    parser.add_argument("--exit-with-parent", action="store_true",
                        help="end when the process that started it ends (a test that crashed)")
    args = parser.parse_args()
    if args.exit_with_parent:
        watch_parent(os.getppid())

    root = os.path.join(os.path.abspath(args.dir), "root")
    folders = make_tree(root)

    authorizer = DummyAuthorizer()
    password = PASSWORD if args.mode != "wrong-password" else PASSWORD[::-1]
    # e: cd, l: list, r: retrieve, w: store, m: mkdir is not granted (the real server's folders
    # are fixed as well).
    authorizer.add_user(USER, password, root, perm="elrw")
    if args.mode == "refuse-folder":
        for folder in folders:
            authorizer.override_perm(USER, folder, perm="elr", recursive=True)

    request_log = args.request_log

    class Handler(FTPHandler):
        def handle(self):
            if args.mode not in GREETING_FLOODS:
                super().handle()
                return
            start, chunk = GREETING_FLOODS[args.mode]
            if start:
                self.push(start)
            self.push_with_producer(EndlessProducer(chunk))

        def pre_process_command(self, line, cmd, arg):
            if request_log and self.authenticated:
                with open(request_log, "a", encoding="utf-8") as log:
                    log.write("%s %s\n" % (cmd, arg or ""))
            if getattr(self, "stalled", False):
                return  # silent on the control connection too
            super().pre_process_command(line, cmd, arg)

        def ftp_HELP(self, line):
            if args.mode == "help-502":
                self.respond("502 Command not implemented.")
            else:
                super().ftp_HELP(line)

        def ftp_SIZE(self, path):
            if args.mode == "no-size":
                self.respond("502 Command not implemented.")
            elif args.mode == "upload-only":
                self.respond("550 Permission denied.")
            else:
                super().ftp_SIZE(path)

    Handler.authorizer = authorizer
    Handler.banner = "stand-in ready"
    Handler.auth_failed_timeout = 0  # answer a wrong password at once
    Handler.passive_ports = None
    Handler.dtp_handler = DTP_HANDLERS.get(args.mode, DTPHandler)

    server = FTPServer(("127.0.0.1", args.port), Handler)
    port = server.socket.getsockname()[1]
    line = "PORT=%d\n" % port
    if args.env_file:
        with open(args.env_file + ".tmp", "w", encoding="ascii") as env:
            env.write(line)
        os.replace(args.env_file + ".tmp", args.env_file)
    sys.stdout.write(line)
    sys.stdout.flush()

    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    try:
        server.serve_forever(handle_exit=True)
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
