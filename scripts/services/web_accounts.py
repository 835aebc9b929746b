"""Account services of the vendor's web site.

    POST /includes/validation.php   one form, told apart by its fields:
        user_password                       -> the stored form of the password (text)
        user_pas, encrypted_pass            -> "true" when the password matches the stored form
        user_country                        -> the caller's country (text, --accounts-country)
        user_email, user_validation_type    -> {"status": "true"|"false", "verifCode": "..."}
            "Registration": accepted unless the address is in use or its host is blacklisted
            "Recovery":     accepted when an account has the address
    GET  /captcha?verif=<type>&current_time=<ms>   PNG bytes, ';', the code
    GET  /avatars/<name>.png                       a generated picture

Every verification code is also "mailed": appended as "<address> <code>" to mailbox.log in the
server's folder. Every form is appended as one JSON line (path, raw body, decoded fields) to
forms.log there, so tests see exactly what arrived.

Whether an address is in use is asked of the account database, through the read-only user that
mariadb_service.py writes to its env file (--accounts-db-env), when one is given; otherwise only
the blacklist applies.

A first path component naming a mode switches that request into a failure:
    accdown   503 with an empty body
    acctext   200 with a plain-text body
    accempty  200 with the JSON text "{}"
    accupper  captchas whose code holds capitals
    accslow   the answer comes 1.5 seconds late; it may precede another mode (accslow/accdown/...)
"""

import hashlib
import json
import os
import random
import re
import struct
import time
import urllib.parse
import zlib

MODES = ("accdown", "acctext", "accempty", "accupper", "accslow")
# Leading components that other route modules use as their modes.
FOREIGN_MODES = ("update", "latest", "older", "badjson", "emptyobj", "missing")
BLACKLISTED_HOSTS = ("spam.test", "blocked.test")
STORED_PREFIX = "vn1"


def add_arguments(parser):
    parser.add_argument("--accounts-country", default="Ukraine")
    parser.add_argument("--captcha-code", default="",
                        help="fixed captcha code (default: random digits)")
    parser.add_argument("--accounts-db-env", default="",
                        help="KEY=VALUE file of mariadb_service.py (read when first needed)")


def stored_form(password, salt=None):
    """The stored form of a password: a random salt and the SHA-256 of salt and password."""
    salt = salt if salt is not None else os.urandom(8).hex()
    digest = hashlib.sha256((salt + password).encode("utf-8")).hexdigest()
    return "%s$%s$%s" % (STORED_PREFIX, salt, digest)


def password_matches(password, stored):
    pieces = stored.split("$")
    if len(pieces) != 3 or pieces[0] != STORED_PREFIX:
        return False
    return stored_form(password, pieces[1]) == stored


# --- pictures ------------------------------------------------------------------------------

def png(width, height, pixel):
    """A truecolour PNG; pixel(x, y) gives (r, g, b)."""
    rows = b"".join(b"\x00" + b"".join(bytes(pixel(x, y)) for x in range(width))
                    for y in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + \
            struct.pack(">I", zlib.crc32(kind + data) & 0xffffffff)
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + \
        chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b"")


# 3 x 5 glyphs, one string of 15 bits per character, row by row.
GLYPHS = {
    "0": "111101101101111", "1": "010110010010111", "2": "111001111100111",
    "3": "111001111001111", "4": "101101111001001", "5": "111100111001111",
    "6": "111100111101111", "7": "111001010010010", "8": "111101111101111",
    "9": "111101111001111", "A": "010101111101101", "B": "110101110101110",
    "C": "011100100100011", "D": "110101101101110", "E": "111100110100111",
}


def captcha_png(code):
    scale, gap = 6, 2
    width = (len(code) * (3 + gap) + gap) * scale
    height = 9 * scale
    rng = random.Random(code)
    noise = {(rng.randrange(width), rng.randrange(height)) for _ in range(width)}

    def pixel(x, y):
        cx, cy = x // scale, y // scale - 2
        index, column = divmod(cx - gap, 3 + gap)
        if 0 <= index < len(code) and column < 3 and 0 <= cy < 5:
            bits = GLYPHS.get(code[index].upper(), "0" * 15)
            if bits[cy * 3 + column] == "1":
                return (40, 70, 40)
        if (x, y) in noise:
            return (120, 150, 120)
        return (225, 235, 225)
    return png(width, height, pixel)


def avatar_png(name):
    rng = random.Random(name)
    colour = (rng.randrange(60, 200), rng.randrange(60, 200), rng.randrange(60, 200))
    size = 96

    def pixel(x, y):
        dx, dy = x - size / 2, y - size / 2
        if dx * dx + dy * dy < (size / 5) ** 2 and y < size * 0.55:
            return (245, 245, 245)  # head
        if y > size * 0.6 and abs(dx) < size * 0.3:
            return (245, 245, 245)  # shoulders
        return colour
    return png(size, size, pixel)


# --- state ---------------------------------------------------------------------------------

def append_line(req, file_name, line):
    path = os.path.join(req.server.options.dir, file_name)
    with req.server.log_lock, open(path, "a", encoding="utf-8") as f:
        f.write(line + "\n")


def database_settings(opts):
    settings = {}
    with open(opts.accounts_db_env, encoding="utf-8") as f:
        for line in f:
            key, _, value = line.rstrip("\n").partition("=")
            settings[key] = value
    return settings


def email_in_use(opts, email):
    """True when an account has the address; False without a database to ask."""
    if not opts.accounts_db_env:
        return False
    import pymysql  # only the stand-in that has a database needs the driver
    db = database_settings(opts)
    connection = pymysql.connect(unix_socket=db["DB_SOCKET"], user=db["WEB_DB_USER"],
                                 password=db["WEB_DB_PASSWORD"], database=db["DB_NAME"],
                                 charset="utf8mb4")
    try:
        with connection.cursor() as cursor:
            cursor.execute("SELECT id FROM users WHERE email = %s", (email,))
            return cursor.fetchone() is not None
    finally:
        connection.close()


def verification_reply(req, email, accepted):
    code = "%06d" % random.SystemRandom().randrange(1000000)
    append_line(req, "mailbox.log", "%s %s" % (email, code))
    return {"status": "true" if accepted else "false", "verifCode": code}


def answer_form(req, fields):
    """The reply body of one validation.php form, or None for an unknown form."""
    opts = req.server.options
    if "user_pas" in fields and "encrypted_pass" in fields:
        return b"true" if password_matches(fields["user_pas"], fields["encrypted_pass"]) \
            else b"false"
    if "user_password" in fields:
        return stored_form(fields["user_password"]).encode("utf-8")
    if "user_country" in fields:
        return opts.accounts_country.encode("utf-8")
    if "user_email" in fields and "user_validation_type" in fields:
        email = fields["user_email"]
        kind = fields["user_validation_type"]
        in_use = email_in_use(opts, email)
        if kind == "Registration":
            host = email.rpartition("@")[2].lower()
            accepted = bool(email) and not in_use and host not in BLACKLISTED_HOSTS
        elif kind == "Recovery":
            accepted = in_use
        else:
            return None
        return json.dumps(verification_reply(req, email, accepted)).encode("utf-8")
    return None


def handle(req, method, parts, query, body):
    parts = list(parts)
    mode = ""
    if parts and parts[0] == "accslow":
        parts.pop(0)
        time.sleep(1.5)
    if parts and parts[0] in MODES:
        mode = parts.pop(0)
    elif parts and parts[0] in FOREIGN_MODES:
        parts.pop(0)

    if parts == ["includes", "validation.php"] and method == "POST":
        text = body.decode("utf-8", "replace")
        fields = dict(urllib.parse.parse_qsl(text, keep_blank_values=True))
        append_line(req, "forms.log", json.dumps({"path": "/" + "/".join(parts), "raw": text,
                                                  "fields": fields}, ensure_ascii=False))
        if mode == "accdown":
            req.send_body(503, b"", "text/plain")
        elif mode == "acctext":
            req.send_body(200, b"Service temporarily unavailable", "text/plain")
        elif mode == "accempty":
            req.send_body(200, b"{}")
        else:
            reply = answer_form(req, fields)
            if reply is None:
                req.send_body(400, b"unknown form\n", "text/plain")
            else:
                req.send_body(200, reply, "text/plain")
        return True

    if parts == ["captcha"] and method == "GET":
        if mode == "accdown":
            req.send_body(503, b"", "text/plain")
            return True
        code = req.server.options.captcha_code or \
            "".join(random.SystemRandom().choice("0123456789") for _ in range(5))
        if mode == "accupper":
            code = "AB" + code
        append_line(req, "captcha.log", "%s %s" % (query.get("verif", [""])[0], code))
        req.send_body(200, captcha_png(code) + b";" + code.encode("ascii"), "image/png")
        return True

    if len(parts) == 2 and parts[0] == "avatars" and re.fullmatch(r"[A-Za-z0-9_-]+\.png",
                                                                   parts[1]):
        if mode == "accdown":
            req.send_body(503, b"", "text/plain")
        else:
            req.send_body(200, avatar_png(parts[1]), "image/png")
        return True
    return False
