"""Update descriptions of every channel and language.

The setup addresses they name are served by web_setups.

    /apps/verdimon_nuvo/<dev|insider|beta|release>/[en.|ru.|ua.]update.<channel>.json

--mode decides what the descriptions say:
    update    a newer build (version --new-version, default 4.1.3.1000)
    latest    the running build (version --current-version, default 4.1.3.742)
    older     an older build (4.1.3.8: older, although it sorts after 4.1.3.742 as text)
    badjson   a body that is not JSON
    emptyobj  the JSON text "{}"
    missing   every description is missing (404)

Under web_hostile's "markup" mode every text of a description carries HTML (a file:/// link, an
image, bold text, a line break tag).

A first path component naming a mode overrides --mode for that request, so one server serves
every case: https://127.0.0.1:PORT/latest/apps/... answers as --mode latest would.
"""

import json

MODES = ("update", "latest", "older", "badjson", "emptyobj", "missing")
CHANNELS = {"dev": "Development", "insider": "Insider", "beta": "Beta", "release": "Release"}
PREFIXES = ("en.", "ru.", "ua.", "")
PRODUCT_KEY = "verdimon_nuvo"


def add_arguments(parser):
    parser.add_argument("--mode", choices=MODES, default="update")
    parser.add_argument("--new-version", default="4.1.3.1000")
    parser.add_argument("--current-version", default="4.1.3.742")


MARKUP = '<a href="file:///etc/passwd">passwd</a><img src="file:///usr/share/pixmaps/x.png"><b>'


def description(channel_dir, prefix, version, base_url, markup=False):
    """The update description of one channel and language."""
    file_name = "%supdate.%s.json" % (prefix, channel_dir)
    setup = "%s/apps/%s/%s/Verdimon.Nuvo.Setup.x64.exe" % (base_url, PRODUCT_KEY, channel_dir)
    lines = ["Build %s" % version, "Description file %s" % file_name, "- self-check on start-up"]
    channel = CHANNELS[channel_dir]
    if markup:
        version, channel = version + MARKUP, channel + MARKUP
        lines = [line + MARKUP + "<br>" for line in lines]
    entry = {
        "version": version,
        "channel": channel,
        "updateinfo": lines,
        "update_url_x64": setup,
        "update_onedrive_url_x64": setup + "?delivery=onedrive",
        "update_dropbox_url_x64": setup + "?delivery=dropbox",
    }
    return json.dumps({PRODUCT_KEY: entry}, indent=2).encode("utf-8")


def handle(req, method, parts, query, body):
    """Answers GET/HEAD of an update description; returns False for any other path."""
    if method not in ("GET", "HEAD"):
        return False
    opts = req.server.options
    parts = list(parts)
    mode = opts.mode
    if parts and parts[0] in MODES:
        mode = parts.pop(0)
    # apps / product / channel / file
    if len(parts) != 4 or parts[0] != "apps" or parts[1] != PRODUCT_KEY \
            or parts[2] not in CHANNELS:
        return False
    channel_dir, file_name = parts[2], parts[3]
    known = {"%supdate.%s.json" % (p, channel_dir): p for p in PREFIXES}
    if file_name not in known:
        return False
    if mode == "missing":
        req.send_body(404, b"not found\n", "text/plain")
    elif mode == "badjson":
        req.send_body(200, b"{\"verdimon_nuvo\": {\"version\": \"4.1.")
    elif mode == "emptyobj":
        req.send_body(200, b"{}")
    else:
        version = {"update": opts.new_version, "latest": opts.current_version,
                   "older": "4.1.3.8"}[mode]
        req.send_body(200, description(channel_dir, known[file_name], version, req.base_url(),
                                       getattr(req, "markup", False)))
    return True
