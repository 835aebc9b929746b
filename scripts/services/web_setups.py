"""Setup downloads.

    /apps/verdimon_nuvo/<channel>/Verdimon.Nuvo.Setup.x64.exe   the harmless test setup (the
                                     address the update descriptions name, any query)
    /setups/script                   the same harmless test setup
    /setups/size/<n>                 n bytes with Content-Length
    /setups/nolength/<n>             n bytes without Content-Length (the connection closes)
    /setups/stall/<n>                Content-Length n, half of the body, then nothing until the
                                     client gives up (at most a minute)
    /setups/redirect/<k>/<rest...>   k redirects (302), then /setups/<rest...>
    /setups/insecure                 a redirect to a plain-http address
    /setups/missing                  404

?rate=<bytes per second> throttles the bodies of size/, nolength/ and stall/ (sent in tenths of
a second). The test setup is a shell script that installs nothing: it notes its arguments in
$HOME/verdimon-nuvo-test-setup.log and ends. --setup-padding adds that many bytes of comment
after its end and --setup-rate throttles it, so that a download can be watched.
"""

import time

PRODUCT_KEY = "verdimon_nuvo"
CHANNELS = ("dev", "insider", "beta", "release")
SETUP_NAMES = ("Verdimon.Nuvo.Setup.x64.exe", "Verdimon.Nuvo.Dev.Setup.x64.exe",
               "Verdimon.Nuvo.Insider.Setup.x64.exe", "Verdimon.Nuvo.Beta.Setup.x64.exe")
LARGEST = 256 * 1024 * 1024

TEST_SETUP = b"""#!/bin/sh
# Verdimon Nuvo test setup. It installs nothing: it notes that it ran, with its arguments, and
# ends. Served by the loopback stand-in of the vendor's web service.
echo "$(date '+%Y-%m-%d %H:%M:%S') test setup ran with: $*" \\
    >> "${HOME:-/tmp}/verdimon-nuvo-test-setup.log"
exit 0
"""


def add_arguments(parser):
    parser.add_argument("--setup-padding", type=int, default=0)
    parser.add_argument("--setup-rate", type=int, default=0)


def test_setup(opts):
    """The test setup, padded with comment lines the shell never reaches."""
    padding = max(0, min(getattr(opts, "setup_padding", 0), LARGEST))
    line = b"# " + b"-" * 77 + b"\n"
    return TEST_SETUP + (line * (padding // len(line) + 1))[:padding]


def body_bytes(size):
    """A deterministic body: the byte at offset i is i modulo 251."""
    pattern = bytes(i % 251 for i in range(251 * 64))
    whole, rest = divmod(size, len(pattern))
    return pattern * whole + pattern[:rest]


def send_slowly(req, data, rate):
    """Writes data at about rate bytes per second (everything at once without a rate)."""
    if rate <= 0:
        req.wfile.write(data)
        return
    step = max(1, rate // 10)
    for offset in range(0, len(data), step):
        req.wfile.write(data[offset:offset + step])
        req.wfile.flush()
        time.sleep(0.1)


def send_headers(req, status, length=None, extra=None):
    req.send_response(status)
    req.send_header("Content-Type", "application/octet-stream")
    if length is None:
        req.send_header("Connection", "close")
        req.close_connection = True
    else:
        req.send_header("Content-Length", str(length))
    for name, value in (extra or {}).items():
        req.send_header(name, value)
    req.end_headers()


def stall(req, data, rate):
    """Sends half of the body, then holds the connection until the client closes it."""
    send_slowly(req, data[:len(data) // 2], rate)
    req.wfile.flush()
    req.connection.settimeout(1.0)
    deadline = time.monotonic() + 60
    while time.monotonic() < deadline:
        try:
            if not req.connection.recv(1):
                return  # the client closed the connection
        except OSError as error:
            if "timed out" not in str(error):
                return
    req.close_connection = True


def sized(parts):
    try:
        size = int(parts[2])
    except (IndexError, ValueError):
        return None
    return size if 0 <= size <= LARGEST else None


def handle(req, method, parts, query, body):
    """Answers GET/HEAD of a setup; returns False for any other path."""
    if method not in ("GET", "HEAD"):
        return False
    parts = list(parts)
    if len(parts) == 4 and parts[0] == "apps" and parts[1] == PRODUCT_KEY \
            and parts[2] in CHANNELS and parts[3] in SETUP_NAMES:
        parts = ["setups", "script"]
    if not parts or parts[0] != "setups" or len(parts) < 2:
        return False
    kind = parts[1]
    try:
        rate = int(query.get("rate", ["0"])[0])
    except ValueError:
        rate = 0
    head = method == "HEAD"

    try:
        if kind == "script":
            data = test_setup(req.server.options)
            send_headers(req, 200, len(data))
            if not head:
                send_slowly(req, data, getattr(req.server.options, "setup_rate", 0))
        elif kind == "missing":
            req.send_body(404, b"not found\n", "text/plain")
        elif kind == "insecure":
            location = "http://127.0.0.1:%d/setups/size/1024" % req.server.server_address[1]
            req.send_body(302, b"", "text/plain", {"Location": location})
        elif kind == "redirect":
            try:
                hops = int(parts[2])
            except (IndexError, ValueError):
                return False
            rest = parts[3:]
            target = "/setups/redirect/%d/%s" % (hops - 1, "/".join(rest)) if hops > 1 \
                else "/setups/" + "/".join(rest)
            if query:
                target += "?" + "&".join("%s=%s" % (k, v[0]) for k, v in query.items())
            req.send_body(302, b"", "text/plain", {"Location": req.base_url() + target})
        elif kind in ("size", "nolength", "stall"):
            size = sized(parts)
            if size is None:
                return False
            data = body_bytes(size)
            send_headers(req, 200, None if kind == "nolength" else size)
            if head:
                return True
            if kind == "stall":
                stall(req, data, rate)
            else:
                send_slowly(req, data, rate)
        else:
            return False
    except (BrokenPipeError, ConnectionResetError):
        req.close_connection = True  # the client gave up or cancelled
    return True
