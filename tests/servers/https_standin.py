#!/usr/bin/python3
"""Loopback HTTPS stand-in for the vendor's web service (update descriptions).

It creates a throw-away certificate authority and a server certificate for "localhost" and
127.0.0.1 with the openssl command line tool, binds 127.0.0.1 on an ephemeral port and serves
the update description of every channel and language:

    /apps/verdimon_nuvo/<dev|insider|beta|release>/[en.|ru.|ua.]update.<channel>.json

Switches (--mode) decide what the descriptions say:
    update    a newer build (version --new-version, default 4.1.3.1000)
    latest    the running build (version --current-version, default 4.1.3.742)
    older     an older build (4.1.3.8: older, although it sorts after 4.1.3.742 as text)
    badjson   a body that is not JSON
    emptyobj  the JSON text "{}"
    missing   every description is missing (404)

A first path component naming a mode overrides --mode for that request, so one server serves
every case: https://127.0.0.1:PORT/latest/apps/... answers as --mode latest would.

On start it prints "PORT=<n>" and "CA=<file>" on standard output and writes the same lines to
--env-file when given. Each request path is appended to --request-log when given.
"""

import argparse
import http.server
import json
import os
import signal
import ssl
import subprocess
import sys
import tempfile
import threading

MODES = ("update", "latest", "older", "badjson", "emptyobj", "missing")
CHANNELS = {"dev": "Development", "insider": "Insider", "beta": "Beta", "release": "Release"}
PREFIXES = ("en.", "ru.", "ua.", "")
PRODUCT_KEY = "verdimon_nuvo"


def run_openssl(args, cwd):
    subprocess.run(["openssl"] + args, cwd=cwd, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def make_certificates(folder):
    """A CA and a server certificate signed by it; returns (ca, cert, key) paths."""
    ca_key = os.path.join(folder, "ca.key")
    ca_pem = os.path.join(folder, "ca.pem")
    key = os.path.join(folder, "server.key")
    csr = os.path.join(folder, "server.csr")
    pem = os.path.join(folder, "server.pem")
    ext = os.path.join(folder, "server.ext")
    if all(os.path.exists(p) for p in (ca_pem, key, pem)):
        return ca_pem, pem, key
    run_openssl(["ecparam", "-name", "prime256v1", "-genkey", "-noout", "-out", ca_key], folder)
    run_openssl(["req", "-x509", "-new", "-key", ca_key, "-out", ca_pem, "-days", "2",
                 "-subj", "/CN=Verdimon Nuvo test authority",
                 "-addext", "basicConstraints=critical,CA:TRUE",
                 "-addext", "keyUsage=critical,keyCertSign,cRLSign"], folder)
    run_openssl(["ecparam", "-name", "prime256v1", "-genkey", "-noout", "-out", key], folder)
    run_openssl(["req", "-new", "-key", key, "-out", csr, "-subj", "/CN=localhost"], folder)
    with open(ext, "w", encoding="ascii") as f:
        f.write("basicConstraints=CA:FALSE\n"
                "keyUsage=critical,digitalSignature,keyEncipherment\n"
                "extendedKeyUsage=serverAuth\n"
                "subjectAltName=DNS:localhost,IP:127.0.0.1\n")
    run_openssl(["x509", "-req", "-in", csr, "-CA", ca_pem, "-CAkey", ca_key,
                 "-CAcreateserial", "-out", pem, "-days", "2", "-extfile", ext], folder)
    return ca_pem, pem, key


def description(channel_dir, prefix, version, base_url):
    """The update description of one channel and language."""
    file_name = "%supdate.%s.json" % (prefix, channel_dir)
    setup = "%s/apps/%s/%s/Verdimon.Nuvo.Setup.x64.exe" % (base_url, PRODUCT_KEY, channel_dir)
    entry = {
        "version": version,
        "channel": CHANNELS[channel_dir],
        "updateinfo": ["Build %s" % version, "Description file %s" % file_name],
        "update_url_x64": setup,
        "update_onedrive_url_x64": setup + "?delivery=onedrive",
        "update_dropbox_url_x64": setup + "?delivery=dropbox",
    }
    return json.dumps({PRODUCT_KEY: entry}, indent=2).encode("utf-8")


class Handler(http.server.BaseHTTPRequestHandler):
    server_version = "StandIn/1"
    protocol_version = "HTTP/1.1"
    # A client that connects and says nothing (a reachability probe, a stalled test) gives up
    # its thread after this many seconds.
    timeout = 10

    def handle(self):
        try:
            # The handshake runs here, on the request's own thread, so that a silent client
            # can not hold up the accepting loop and every later request with it.
            self.request.do_handshake()
            super().handle()
        except (ssl.SSLError, OSError):
            pass  # a probe that closed without a handshake, or a client that gave up

    def log_message(self, fmt, *args):  # keep test output quiet
        pass

    def send_body(self, status, body, content_type="application/json"):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if self.command != "HEAD":
            self.wfile.write(body)

    def do_HEAD(self):
        self.do_GET()

    def do_GET(self):
        opts = self.server.options
        path = self.path.split("?", 1)[0]
        if opts.request_log:
            with self.server.log_lock, open(opts.request_log, "a", encoding="utf-8") as f:
                f.write(path + "\n")
        parts = [p for p in path.split("/") if p]
        mode = opts.mode
        if parts and parts[0] in MODES:
            mode = parts.pop(0)
        # apps / product / channel / file
        if len(parts) != 4 or parts[0] != "apps" or parts[1] != PRODUCT_KEY \
                or parts[2] not in CHANNELS:
            self.send_body(404, b"not found\n", "text/plain")
            return
        channel_dir, file_name = parts[2], parts[3]
        known = {"%supdate.%s.json" % (p, channel_dir): p for p in PREFIXES}
        if file_name not in known or mode == "missing":
            self.send_body(404, b"not found\n", "text/plain")
            return
        if mode == "badjson":
            self.send_body(200, b"{\"verdimon_nuvo\": {\"version\": \"4.1.")
            return
        if mode == "emptyobj":
            self.send_body(200, b"{}")
            return
        version = {"update": opts.new_version, "latest": opts.current_version,
                   "older": "4.1.3.8"}[mode]
        base = "https://127.0.0.1:%d" % self.server.server_address[1]
        self.send_body(200, description(channel_dir, known[file_name], version, base))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--mode", choices=MODES, default="update")
    parser.add_argument("--dir", help="folder for the certificates (default: a new temp folder)")
    parser.add_argument("--env-file", help="write PORT= and CA= lines here")
    parser.add_argument("--request-log", help="append each request path to this file")
    parser.add_argument("--new-version", default="4.1.3.1000")
    parser.add_argument("--current-version", default="4.1.3.742")
    opts = parser.parse_args()

    folder = opts.dir or tempfile.mkdtemp(prefix="vn-https-")
    os.makedirs(folder, exist_ok=True)
    ca_pem, cert, key = make_certificates(folder)

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    server.options = opts
    server.log_lock = threading.Lock()
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    server.socket = context.wrap_socket(server.socket, server_side=True,
                                        do_handshake_on_connect=False)

    lines = "PORT=%d\nCA=%s\n" % (server.server_address[1], ca_pem)
    if opts.env_file:
        tmp = opts.env_file + ".tmp"
        with open(tmp, "w", encoding="utf-8") as f:
            f.write(lines)
        os.replace(tmp, opts.env_file)
    sys.stdout.write(lines)
    sys.stdout.flush()

    signal.signal(signal.SIGTERM, lambda *_: threading.Thread(target=server.shutdown).start())
    try:
        server.serve_forever(poll_interval=0.2)
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()


if __name__ == "__main__":
    main()
