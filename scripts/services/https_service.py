#!/usr/bin/python3
"""Loopback HTTPS stand-in for the vendor's web service.

It creates a throw-away certificate authority and a server certificate for "localhost" and
127.0.0.1 with the openssl command line tool, binds 127.0.0.1 on an ephemeral port (or --port)
and answers with the route modules listed in ROUTE_MODULES, each a file of this folder with
    add_arguments(parser)                          optional: its own command-line switches
    handle(req, method, parts, query, body) -> bool
where parts are the path's components, query the parsed query (dict of lists) and body the
request body as bytes. The first module that returns True has answered; no module: 404.

On start it prints "PORT=<n>" and "CA=<file>" on standard output and writes the same lines to
--env-file when given. Each request ("METHOD path") is appended to --request-log when given.
"""

import argparse
import http.server
import importlib
import os
import signal
import ssl
import subprocess
import sys
import tempfile
import threading
import urllib.parse

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

# Each subsystem of the vendor's service keeps its routes in a module of its own; web_hostile
# comes first, as its modes take over any path.
ROUTE_MODULES = ["web_hostile", "web_updates", "web_setups", "web_address", "web_accounts"]


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
        # A folder kept between runs reuses its authority while the certificate has a day left.
        fresh = subprocess.run(["openssl", "x509", "-checkend", "86400", "-noout", "-in", pem],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if fresh.returncode == 0:
            return ca_pem, pem, key
    run_openssl(["ecparam", "-name", "prime256v1", "-genkey", "-noout", "-out", ca_key], folder)
    run_openssl(["req", "-x509", "-new", "-key", ca_key, "-out", ca_pem, "-days", "30",
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
                 "-CAcreateserial", "-out", pem, "-days", "30", "-extfile", ext], folder)
    return ca_pem, pem, key


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

    def base_url(self):
        return "https://127.0.0.1:%d" % self.server.server_address[1]

    def send_body(self, status, body, content_type="application/json", headers=None):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        for name, value in (headers or {}).items():
            self.send_header(name, value)
        self.end_headers()
        if self.command != "HEAD":
            self.wfile.write(body)

    def dispatch(self, method):
        opts = self.server.options
        split = urllib.parse.urlsplit(self.path)
        path = split.path
        body = b""
        length = int(self.headers.get("Content-Length") or 0)
        if length > 0:
            body = self.rfile.read(min(length, 16 * 1024 * 1024))
        if opts.request_log:
            with self.server.log_lock, open(opts.request_log, "a", encoding="utf-8") as f:
                f.write("%s %s\n" % (method, path))
        parts = [urllib.parse.unquote(p) for p in path.split("/") if p]
        query = urllib.parse.parse_qs(split.query, keep_blank_values=True)
        for module in self.server.route_modules:
            if module.handle(self, method, parts, query, body):
                return
        self.send_body(404, b"not found\n", "text/plain")

    def do_HEAD(self):
        self.dispatch("HEAD")

    def do_GET(self):
        self.dispatch("GET")

    def do_POST(self):
        self.dispatch("POST")

    def do_PUT(self):
        self.dispatch("PUT")


def main():
    modules = [importlib.import_module(name) for name in ROUTE_MODULES]
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dir", help="folder for certificates and state (default: a temp folder)")
    parser.add_argument("--port", type=int, default=0, help="port (default: an ephemeral one)")
    parser.add_argument("--env-file", help="write PORT= and CA= lines here")
    parser.add_argument("--request-log", help="append each request to this file")
    for module in modules:
        if hasattr(module, "add_arguments"):
            module.add_arguments(parser)
    opts = parser.parse_args()

    folder = opts.dir or tempfile.mkdtemp(prefix="vn-https-")
    os.makedirs(folder, exist_ok=True)
    opts.dir = folder
    ca_pem, cert, key = make_certificates(folder)

    server = http.server.ThreadingHTTPServer(("127.0.0.1", opts.port), Handler)
    server.daemon_threads = True
    server.options = opts
    server.route_modules = modules
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
