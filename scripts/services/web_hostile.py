"""Misbehaving answers of the web service, for any path.

A first path component naming a mode makes that request misbehave, whatever it asks for:
    endless       200 without a length, a body that never ends
    huge          200 announcing a 2 GiB body, then sending it
    trickle       200 announcing 40 bytes, then one byte every --trickle-seconds
    status500true 500 whose body is "true"
    redirect      the ordinary answer of the rest of the path, sent as a 301 with a Location
    markup        the ordinary answer, with HTML in every text the route modules fill in
    bigimage      a 20000 x 20000 PNG of about 1.7 MB (";12345" after it for a captcha)
    endlessheaders  200, then header lines without end
    endlessheader   200, then one header line without end
    slowheaders   200, then header bytes one every --trickle-seconds, never the blank line
    shortbody     the ordinary answer of the rest of the path announcing 100 bytes more than it
                  has, and only its first --short-body-bytes bytes sent (the connection closes)
    stallbody     the ordinary answer of the rest of the path, of which only the first half of the
                  body (at least a byte) is sent; then nothing until the client goes (at most a
                  minute)
    gzipbomb      200, Content-Encoding gzip: 2 MB on the wire, 2 GiB of zeros once unpacked
    noseparator   a captcha picture without the ';' and the code after it
    lateheaders   /lateheaders/<seconds>/<rest>: nothing for that many seconds (at most 120), then
                  the ordinary answer of the rest of the path, status, headers and body at once
                  (or, when the rest starts with another of these modes, that mode's answer)
"""

import re
import select
import struct
import threading
import time
import zlib

MODES = ("endless", "huge", "trickle", "status500true", "redirect", "markup", "bigimage",
         "endlessheaders", "endlessheader", "slowheaders", "shortbody", "stallbody", "gzipbomb",
         "noseparator", "lateheaders")
BLOCK = b"7" * 65536
BOMB_SIZE = 2 * 1024 ** 3
_big_png = None
_big_png_lock = threading.Lock()
_bomb = None
_bomb_lock = threading.Lock()


def add_arguments(parser):
    parser.add_argument("--trickle-seconds", type=float, default=1.0)
    parser.add_argument("--short-body-bytes", type=int, default=5)


def gzip_bomb():
    """BOMB_SIZE zeros as one gzip member of about 2 MB. Made once: one block of zeros is packed
    and flushed fully, so that every further block packs to the same bytes."""
    global _bomb
    with _bomb_lock:
        if _bomb is None:
            zeros = b"\0" * (16 * 1024 * 1024)
            count = BOMB_SIZE // len(zeros)
            packer = zlib.compressobj(9, zlib.DEFLATED, -zlib.MAX_WBITS)
            first = packer.compress(zeros) + packer.flush(zlib.Z_FULL_FLUSH)
            again = packer.compress(zeros) + packer.flush(zlib.Z_FULL_FLUSH)
            crc = 0
            for _ in range(count):
                crc = zlib.crc32(zeros, crc)
            header = b"\x1f\x8b\x08\x00\x00\x00\x00\x00\x00\xff"
            trailer = struct.pack("<II", crc & 0xffffffff, BOMB_SIZE & 0xffffffff)
            _bomb = header + first + again * (count - 1) + packer.flush() + trailer
        return _bomb


def picture_without_separator():
    """A captcha picture none of whose bytes is ';', with nothing after it."""
    import web_accounts
    for number in range(10000, 100000):
        picture = web_accounts.captcha_png(str(number))
        if b";" not in picture:
            return picture
    raise RuntimeError("every captcha picture holds a ';'")


class CutOffWriter:
    """Passes the headers on with a Content-Length `extra` bytes above the body's, then only the
    first `keep` bytes of the body (None: half of it, at least one byte); the rest is dropped, so
    the reply ends shorter than it announced, or stalls, as the caller then does."""

    def __init__(self, wfile, keep, extra=100):
        self.wfile = wfile
        self.keep = keep
        self.extra = extra
        self.head = b""
        self.in_body = False

    def write(self, data):
        data = bytes(data)
        if not self.in_body:
            self.head += data
            end = self.head.find(b"\r\n\r\n")
            if end < 0:
                return len(data)
            self.in_body = True
            body = self.head[end + 4:]
            length = re.search(rb"(?im)^content-length:\s*(\d+)", self.head[:end + 4])
            if self.keep is None:
                self.keep = max(1, int(length.group(1)) // 2 if length else 1)
            head = re.sub(rb"(?im)^(content-length:\s*)(\d+)",
                          lambda m: m.group(1) + str(int(m.group(2)) + self.extra).encode(),
                          self.head[:end + 4])
            self.wfile.write(head)
            data = body
        kept = data[:max(0, self.keep)]
        self.keep -= len(kept)
        if kept:
            self.wfile.write(kept)
        return len(data)

    def flush(self):
        self.wfile.flush()


def hold(req, seconds=60):
    """Keeps the connection open and silent until the client closes it."""
    try:
        req.wfile.flush()
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            ready, _, _ = select.select([req.connection], [], [], 0.5)
            if ready:
                break
    except (OSError, ValueError):
        pass


def endless_headers(req, one_line):
    """A status line and header bytes that never end with a blank line."""
    try:
        req.wfile.write(b"HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n")
        if one_line:
            req.wfile.write(b"X-Filler: ")
        line = b"X-Filler: " + b"7" * 1000 + b"\r\n"
        block = BLOCK if one_line else line * 64
        while True:
            req.wfile.write(block)
    except OSError:
        pass
    req.close_connection = True


def slow_headers(req):
    """Header bytes one at a time, every --trickle-seconds, for at most a minute."""
    try:
        req.wfile.write(b"HTTP/1.1 200 OK\r\n")
        req.wfile.flush()
        deadline = time.monotonic() + 60
        while time.monotonic() < deadline:
            req.wfile.write(b"X")
            req.wfile.flush()
            time.sleep(req.server.options.trickle_seconds)
    except OSError:
        pass
    req.close_connection = True


def big_png():
    """A grey 20000 x 20000 PNG: small on the wire, 400 MB once decoded. Made once."""
    global _big_png
    with _big_png_lock:
        if _big_png is None:
            side = 20000

            def chunk(kind, data):
                return struct.pack(">I", len(data)) + kind + data + \
                    struct.pack(">I", zlib.crc32(kind + data) & 0xffffffff)
            deflate = zlib.compressobj(1)
            row = b"\x00" * (side + 1)
            data = b"".join(deflate.compress(row) for _ in range(side)) + deflate.flush()
            header = struct.pack(">IIBBBBB", side, side, 8, 0, 0, 0, 0)
            _big_png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + \
                chunk(b"IDAT", data) + chunk(b"IEND", b"")
        return _big_png


def stream(req, length):
    """Sends blocks until `length` bytes (None: for ever) or until the client goes."""
    sent = 0
    try:
        while length is None or sent < length:
            block = BLOCK if length is None else BLOCK[:min(len(BLOCK), length - sent)]
            req.wfile.write(block)
            sent += len(block)
    except OSError:
        pass
    req.close_connection = True


def delegate(req, method, rest, query, body):
    """Lets the other route modules answer the rest of the path."""
    for module in req.server.route_modules:
        if module.__name__ != __name__ and module.handle(req, method, rest, query, body):
            return True
    req.send_body(404, b"not found\n", "text/plain")
    return True


def handle(req, method, parts, query, body):
    if not parts or parts[0] not in MODES:
        return False
    mode, rest = parts[0], list(parts[1:])
    if mode == "endless":
        req.send_response(200)
        req.send_header("Content-Type", "text/plain")
        req.send_header("Connection", "close")
        req.end_headers()
        stream(req, None)
    elif mode == "huge":
        req.send_response(200)
        req.send_header("Content-Type", "application/json")
        req.send_header("Content-Length", str(2 * 1024 ** 3))
        req.end_headers()
        stream(req, 2 * 1024 ** 3)
    elif mode == "trickle":
        req.send_response(200)
        req.send_header("Content-Type", "text/plain")
        req.send_header("Content-Length", "40")
        req.end_headers()
        try:
            for _ in range(40):
                req.wfile.write(b"1")
                req.wfile.flush()
                time.sleep(req.server.options.trickle_seconds)
        except OSError:
            pass
        req.close_connection = True
    elif mode in ("endlessheaders", "endlessheader"):
        endless_headers(req, mode == "endlessheader")
    elif mode == "slowheaders":
        slow_headers(req)
    elif mode in ("shortbody", "stallbody"):
        stall = mode == "stallbody"
        plain = req.wfile
        req.wfile = CutOffWriter(plain, None if stall else req.server.options.short_body_bytes,
                                 0 if stall else 100)
        try:
            delegate(req, method, rest, query, body)
        finally:
            req.wfile = plain  # the server flushes and closes its own stream
        if stall:
            hold(req)
        req.close_connection = True
    elif mode == "gzipbomb":
        bomb = gzip_bomb()
        req.send_response(200)
        req.send_header("Content-Type", "application/json")
        req.send_header("Content-Encoding", "gzip")
        req.send_header("Content-Length", str(len(bomb)))
        req.end_headers()
        try:
            req.wfile.write(bomb)
        except OSError:
            req.close_connection = True
    elif mode == "lateheaders":
        try:
            delay = float(rest.pop(0)) if rest else 0.0
        except ValueError:
            delay = 0.0
        # A slow but correct server: silent while it works, then the whole answer.
        time.sleep(min(max(delay, 0.0), 120.0))
        if not handle(req, method, rest, query, body):
            delegate(req, method, rest, query, body)
    elif mode == "noseparator":
        req.send_body(200, picture_without_separator(), "image/png")
    elif mode == "status500true":
        req.send_body(500, b"true", "text/plain")
    elif mode == "bigimage":
        tail = b";12345" if rest[:1] == ["captcha"] else b""
        req.send_body(200, big_png() + tail, "image/png")
    elif mode == "redirect":
        plain = req.send_body

        def as_redirect(status, payload, content_type="application/json", headers=None):
            moved = dict(headers or {})
            moved["Location"] = "%s/%s" % (req.base_url(), "/".join(rest))
            plain(301, payload, content_type, moved)
        req.send_body = as_redirect
        delegate(req, method, rest, query, body)
    else:  # markup
        req.markup = True
        delegate(req, method, rest, query, body)
    return True
