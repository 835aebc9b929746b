"""The address the web service sees for its caller.

    GET /includes/user_ip_detection.php    the caller's address as plain text

A first path component naming a mode overrides --address-mode for that request, so one server
serves every case: https://127.0.0.1:PORT/stall/includes/user_ip_detection.php stalls.
    answer    the caller's address (default)
    loopback6 the text "::1", as a service reached over IPv6 loopback answers
    empty     200 with an empty body
    fail      500 with an empty body
    stall     no answer at all: the request is held for --stall-seconds, then dropped
Under web_hostile's "markup" mode the answer is an HTML page that holds the address.
"""

import time

MODES = ("answer", "loopback6", "empty", "fail", "stall")
PATH = ["includes", "user_ip_detection.php"]


def add_arguments(parser):
    parser.add_argument("--address-mode", choices=MODES, default="answer")
    parser.add_argument("--stall-seconds", type=float, default=45.0)


def handle(req, method, parts, query, body):
    """Answers GET of the address page; returns False for any other path."""
    if method not in ("GET", "HEAD") or len(parts) < 2 or list(parts[-2:]) != PATH:
        return False
    opts = req.server.options
    mode = opts.address_mode
    # Any one leading component (another module's mode included) is a prefix of the base URL.
    if len(parts) == 3 and parts[0] in MODES:
        mode = parts[0]
    elif len(parts) > 3:
        return False
    if mode == "stall":
        time.sleep(opts.stall_seconds)
        req.close_connection = True
    elif mode == "fail":
        req.send_body(500, b"", "text/plain")
    elif mode == "empty":
        req.send_body(200, b"", "text/plain")
    elif mode == "loopback6":
        req.send_body(200, b"::1", "text/plain")
    elif getattr(req, "markup", False):
        req.send_body(200, b"<html><body><h1>%s</h1><img src=\"file:///x.png\"></body></html>"
                      % req.client_address[0].encode("ascii"), "text/html")
    else:
        req.send_body(200, req.client_address[0].encode("ascii"), "text/plain")
    return True
