"""Misbehaving answers of the web service, for any path.

A first path component naming a mode makes that request misbehave, whatever it asks for:
    endless       200 without a length, a body that never ends
    huge          200 announcing a 2 GiB body, then sending it
    trickle       200 announcing 40 bytes, then one byte every --trickle-seconds
    status500true 500 whose body is "true"
    redirect      the ordinary answer of the rest of the path, sent as a 301 with a Location
    markup        the ordinary answer, with HTML in every text the route modules fill in
    bigimage      a 20000 x 20000 PNG of about 1.7 MB (";12345" after it for a captcha)
"""

import struct
import threading
import time
import zlib

MODES = ("endless", "huge", "trickle", "status500true", "redirect", "markup", "bigimage")
BLOCK = b"7" * 65536
_big_png = None
_big_png_lock = threading.Lock()


def add_arguments(parser):
    parser.add_argument("--trickle-seconds", type=float, default=1.0)


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
