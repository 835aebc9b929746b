#!/usr/bin/python3
"""Loopback MariaDB stand-in for the vendor's account database.

Creates a data folder of its own under --dir (once; later starts reuse it), starts mariadbd on
127.0.0.1 with an ephemeral port and a socket in that folder, creates the account schema, the
program's user with only the rights it needs, a read-only user for the web stand-in and the seed
accounts, then prints KEY=VALUE lines (and writes them to --env-file):

    DB_HOST, DB_PORT, DB_SOCKET, DB_NAME, DB_USER, DB_PASSWORD, DB_ADMIN (socket only),
    WEB_DB_USER, WEB_DB_PASSWORD, SILENT_PORT, PROXY_PORT, PROXY_RULES, PROXY_LOG

SILENT_PORT is a misbehaving database: it accepts every connection and never sends a byte (no
greeting, no answer), as a server that hangs does.

PROXY_PORT passes every connection through to the server, and obeys the rules in the file
PROXY_RULES (read again for every statement; absent or empty: plain pass-through). A rule is one
line, "<action> <stage> <text>", applied to the first statement whose SQL holds <text>:
    stall prepare|execute <text>        the server goes silent: the statement, and everything
                                        after it on that connection, is never answered
    drop prepare|execute <text>         the connection is cut when the statement arrives
    delay:<ms> prepare|execute <text>   the statement reaches the server <ms> later
Stage "prepare" acts on a statement being prepared or sent as plain text, "execute" on the run
of a prepared one. Every statement the proxy sees is appended to PROXY_LOG as
"<prepare|query|execute> <sql>", and each stalled or dropped one also as "stalled <sql>" or
"dropped <sql>".

It stays in the foreground; SIGTERM shuts the server down cleanly and ends the script.
Seed passwords (their stored forms are made as the web stand-in makes them):
    alice / Alice+Pass1 (developer, development access, phone +380501112233)
    bob / bob-secret (Users group, development access flag set)
    carol / carol-pass (group without a row)
    dave / dave-pass (already online)
Seed accounts are made once per data folder and otherwise left as they are, except that every
start sets the passwords of the ready accounts the README offers (alice, bob) back to the ones
above: a password changed through the program's recovery does not lock the next run out.
"""

import argparse
import pwd
import os
import secrets
import shutil
import signal
import socket
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import web_accounts  # noqa: E402  (the stored password form)

DB_NAME = "user_dravonel_db"
DB_USER = "user_dravonel_account"
WEB_USER = "vn_web_lookup"

SCHEMA = """
CREATE DATABASE IF NOT EXISTS {db} CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci;
USE {db};
CREATE TABLE IF NOT EXISTS `groups` (
    id INT NOT NULL PRIMARY KEY,
    group_name VARCHAR(64) NOT NULL,
    group_color VARCHAR(16) NOT NULL
) DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;
CREATE TABLE IF NOT EXISTS users (
    id INT UNSIGNED NOT NULL AUTO_INCREMENT PRIMARY KEY,
    name VARCHAR(100) NOT NULL,
    username VARCHAR(64) NOT NULL UNIQUE,
    password VARCHAR(255) NOT NULL,
    email VARCHAR(255) NOT NULL UNIQUE,
    phone VARCHAR(32) NULL UNIQUE,
    avatar VARCHAR(255) NOT NULL DEFAULT 'avatars/default.png',
    user_group INT NOT NULL DEFAULT 4,
    dev_access TINYINT(1) NOT NULL DEFAULT 0,
    status VARCHAR(16) NOT NULL DEFAULT 'offline',
    last_login DATETIME NULL,
    last_logout DATETIME NULL,
    last_action DATETIME NULL,
    reg_date DATETIME NULL,
    birth_date DATE NULL,
    gender TINYINT NULL,
    reg_from VARCHAR(64) NULL,
    country VARCHAR(100) NULL,
    is_verified VARCHAR(3) NOT NULL DEFAULT 'no'
) DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci;
"""

SEED_GROUPS = [(1, "Administrators", "#c0392b"), (2, "Moderators", "#d68910"),
               (3, "Developers", "#2e86c1"), (4, "Users", "#229954")]
# username, password, name, email, phone, group, dev_access, status
SEED_USERS = [
    ("alice", "Alice+Pass1", "Alice Moroz", "alice@mail.test", "+380501112233", 3, 1, "offline"),
    ("bob", "bob-secret", "Bob Kowalski", "bob@mail.test", None, 4, 1, "offline"),
    ("carol", "carol-pass", "Carol Lind", "carol@mail.test", None, 99, 0, "offline"),
    ("dave", "dave-pass", "Dave Online", "dave@mail.test", "+380671234567", 4, 0, "online"),
]
# The accounts the README offers for signing in.
READY_USERS = ("alice", "bob")


def sql_text(value):
    """A quoted SQL literal (only for the seed script this file writes itself)."""
    if value is None:
        return "NULL"
    if isinstance(value, int):
        return str(value)
    return "'" + str(value).replace("\\", "\\\\").replace("'", "''") + "'"


def setup_sql(program_password, web_password):
    lines = [SCHEMA.format(db=DB_NAME)]
    for host in ("127.0.0.1", "localhost"):
        for user, password in ((DB_USER, program_password), (WEB_USER, web_password)):
            lines.append("CREATE USER IF NOT EXISTS '%s'@'%s' IDENTIFIED BY %s;"
                         % (user, host, sql_text(password)))
            lines.append("ALTER USER '%s'@'%s' IDENTIFIED BY %s;"
                         % (user, host, sql_text(password)))
        lines.append(
            "GRANT SELECT (id, username, email, phone, password, avatar, name, user_group, "
            "dev_access, status), "
            "INSERT (name, username, password, email, reg_date, user_group, birth_date, gender, "
            "dev_access, reg_from, country, is_verified), "
            "UPDATE (status, last_login, last_logout, last_action, password) "
            "ON %s.users TO '%s'@'%s';" % (DB_NAME, DB_USER, host))
        lines.append("GRANT SELECT ON %s.`groups` TO '%s'@'%s';" % (DB_NAME, DB_USER, host))
        lines.append("GRANT SELECT (id, email) ON %s.users TO '%s'@'%s';"
                     % (DB_NAME, WEB_USER, host))
    lines.append("USE %s;" % DB_NAME)
    for row in SEED_GROUPS:
        lines.append("INSERT IGNORE INTO `groups` (id, group_name, group_color) VALUES (%s);"
                     % ", ".join(sql_text(v) for v in row))
    for username, password, name, email, phone, group, dev, status in SEED_USERS:
        values = (name, username, web_accounts.stored_form(password), email, phone,
                  "avatars/%s.png" % username, group, dev, status, "yes")
        lines.append("INSERT IGNORE INTO users (name, username, password, email, phone, avatar, "
                     "user_group, dev_access, status, is_verified) VALUES (%s);"
                     % ", ".join(sql_text(v) for v in values))
        if username in READY_USERS:
            lines.append("UPDATE users SET password = %s WHERE username = %s;"
                         % (sql_text(web_accounts.stored_form(password)), sql_text(username)))
    lines.append("FLUSH PRIVILEGES;")
    return "\n".join(lines) + "\n"


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def start_silent_listener():
    """A port that accepts connections and then says nothing; returns the port."""
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(64)
    held = []  # open until the script ends: the client waits for a greeting that never comes

    def accept_forever():
        while True:
            try:
                connection, _ = listener.accept()
            except OSError:
                return
            held.append(connection)

    threading.Thread(target=accept_forever, daemon=True).start()
    return listener.getsockname()[1]


COM_QUERY = 0x03
COM_STMT_PREPARE = 0x16
COM_STMT_EXECUTE = 0x17


class ProxyConnection:
    """One client connection through the rule-following proxy."""

    def __init__(self, client, port, rules_path, log_path, log_lock):
        self.client = client
        self.server = socket.create_connection(("127.0.0.1", port))
        self.rules_path = rules_path
        self.log_path = log_path
        self.log_lock = log_lock
        self.lock = threading.Lock()
        self.pending_prepare = None  # the SQL whose prepare answer comes next
        self.statements = {}  # prepared statement id -> SQL
        self.silent = False

    def log(self, line):
        with self.log_lock:
            with open(self.log_path, "a", encoding="utf-8") as f:
                f.write(line.replace("\n", " ") + "\n")

    def rule_for(self, stage, sql):
        try:
            with open(self.rules_path, encoding="utf-8") as f:
                lines = f.read().splitlines()
        except OSError:
            return None
        for line in lines:
            parts = line.split(" ", 2)
            if len(parts) == 3 and parts[1] == stage and parts[2] and parts[2] in sql:
                return parts[0]
        return None

    @staticmethod
    def packets(stream_buffer):
        """Splits whole packets (header, payload) off the buffer; returns them and the rest."""
        found = []
        while len(stream_buffer) >= 4:
            length = int.from_bytes(stream_buffer[:3], "little")
            if len(stream_buffer) < 4 + length:
                break
            found.append((stream_buffer[:4], stream_buffer[4:4 + length]))
            stream_buffer = stream_buffer[4 + length:]
        return found, stream_buffer

    def client_to_server(self):
        pending = b""
        while True:
            data = self.client.recv(65536)
            if not data:
                break
            found, pending = self.packets(pending + data)
            for header, payload in found:
                if self.silent:
                    continue
                if header[3] == 0 and payload and payload[0] in (COM_QUERY, COM_STMT_PREPARE,
                                                                 COM_STMT_EXECUTE):
                    if not self.command(payload):
                        continue
                self.server.sendall(header + payload)
        self.close()

    def command(self, payload):
        """Logs a statement and applies its rule; False when it is not to be forwarded."""
        kind = payload[0]
        if kind == COM_STMT_EXECUTE:
            with self.lock:
                sql = self.statements.get(int.from_bytes(payload[1:5], "little"), "")
            stage, name = "execute", "execute"
        else:
            sql = payload[1:].decode("utf-8", "replace")
            stage, name = "prepare", "prepare" if kind == COM_STMT_PREPARE else "query"
            if kind == COM_STMT_PREPARE:
                with self.lock:
                    self.pending_prepare = sql
        self.log("%s %s" % (name, sql))
        action = self.rule_for(stage, sql)
        if action == "stall":
            self.silent = True
            self.log("stalled %s" % sql)
            return False
        if action == "drop":
            self.silent = True
            self.log("dropped %s" % sql)
            self.close()
            return False
        if action and action.startswith("delay:"):
            time.sleep(int(action[6:]) / 1000.0)
        return True

    def server_to_client(self):
        pending = b""
        while True:
            try:
                data = self.server.recv(65536)
            except OSError:
                break
            if not data:
                break
            found, pending = self.packets(pending + data)
            for header, payload in found:
                with self.lock:
                    # The first packet after a prepare: 0x00 and the statement's id.
                    if self.pending_prepare is not None:
                        if payload[:1] == b"\x00" and len(payload) >= 5:
                            self.statements[int.from_bytes(payload[1:5], "little")] = \
                                self.pending_prepare
                        self.pending_prepare = None
                if not self.silent:
                    self.client.sendall(header + payload)
        self.close()

    def close(self):
        for s in (self.client, self.server):
            try:
                s.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass

    def run(self):
        threading.Thread(target=self.server_to_client, daemon=True).start()
        try:
            self.client_to_server()
        except OSError:
            self.close()


def start_rule_proxy(port, rules_path, log_path):
    """A port in front of the server that follows the rules file; returns the port."""
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(64)
    log_lock = threading.Lock()

    def accept_forever():
        while True:
            try:
                client, _ = listener.accept()
            except OSError:
                return
            try:
                connection = ProxyConnection(client, port, rules_path, log_path, log_lock)
            except OSError:
                client.close()
                continue
            threading.Thread(target=connection.run, daemon=True).start()

    threading.Thread(target=accept_forever, daemon=True).start()
    return listener.getsockname()[1]


def find_program(*names):
    for name in names:
        for folder in ("/usr/sbin", "/usr/bin"):
            path = os.path.join(folder, name)
            if os.access(path, os.X_OK):
                return path
        found = shutil.which(name)
        if found:
            return found
    raise SystemExit("none of %s is installed (Debian package mariadb-server)" % ", ".join(names))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dir", required=True, help="state folder (data, socket, logs)")
    parser.add_argument("--env-file", help="write the KEY=VALUE lines here")
    opts = parser.parse_args()

    folder = os.path.abspath(opts.dir)
    data = os.path.join(folder, "data")
    sock = os.path.join(folder, "mysqld.sock")
    log = os.path.join(folder, "mariadb.log")
    # Temporary tables of their own: two servers set up at once in a shared /tmp collide.
    tmp = os.path.join(folder, "tmp")
    os.makedirs(tmp, exist_ok=True)
    # The administrator is the account running this script, signed in through the socket (no
    # password exists to reuse); mariadbd itself refuses root unless told.
    admin = pwd.getpwuid(os.geteuid()).pw_name
    user_args = ["--user=root"] if os.geteuid() == 0 else []
    if not os.path.isdir(os.path.join(data, "mysql")):
        subprocess.run([find_program("mariadb-install-db", "mysql_install_db"), "--no-defaults",
                        "--datadir=" + data, "--auth-root-authentication-method=socket",
                        "--skip-test-db", "--user=" + admin, "--tmpdir=" + tmp],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    server = None
    port = 0
    for _ in range(5):
        port = free_port()
        server = subprocess.Popen(
            [find_program("mariadbd", "mysqld"), "--no-defaults", "--datadir=" + data,
             "--socket=" + sock, "--port=%d" % port, "--bind-address=127.0.0.1",
             "--pid-file=" + os.path.join(folder, "mariadbd.pid"), "--log-error=" + log,
             "--tmpdir=" + tmp, "--skip-name-resolve", "--innodb-buffer-pool-size=16M",
             "--innodb-log-file-size=8M", "--performance-schema=OFF",
             "--character-set-server=utf8mb4", "--collation-server=utf8mb4_unicode_ci"]
            + user_args,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(300):
            if server.poll() is not None:
                break
            try:
                with socket.create_connection(("127.0.0.1", port), timeout=0.2):
                    break
            except OSError:
                time.sleep(0.05)
        if server.poll() is None:
            break
    if server is None or server.poll() is not None:
        sys.stderr.write("mariadbd did not start; see %s\n" % log)
        return 1

    # The server shuts down cleanly on SIGTERM; the wait at the end then returns.
    def shutdown(*_):
        server.terminate()
    signal.signal(signal.SIGTERM, shutdown)
    signal.signal(signal.SIGINT, shutdown)

    program_password = secrets.token_urlsafe(12)[:16]
    web_password = secrets.token_urlsafe(12)[:16]
    subprocess.run([find_program("mariadb", "mysql"), "--no-defaults", "--socket=" + sock,
                    "--user=" + admin, "--batch"],
                   input=setup_sql(program_password, web_password).encode("utf-8"), check=True)

    silent_port = start_silent_listener()
    rules = os.path.join(folder, "proxy-rules")
    proxy_log = os.path.join(folder, "proxy.log")
    proxy_port = start_rule_proxy(port, rules, proxy_log)
    lines = ("DB_HOST=127.0.0.1\nDB_PORT=%d\nDB_SOCKET=%s\nDB_NAME=%s\nDB_USER=%s\n"
             "DB_PASSWORD=%s\nDB_ADMIN=%s\nWEB_DB_USER=%s\nWEB_DB_PASSWORD=%s\nSILENT_PORT=%d\n"
             "PROXY_PORT=%d\nPROXY_RULES=%s\nPROXY_LOG=%s\n"
             % (port, sock, DB_NAME, DB_USER, program_password, admin, WEB_USER, web_password,
                silent_port, proxy_port, rules, proxy_log))
    if opts.env_file:
        tmp = opts.env_file + ".tmp"
        with open(tmp, "w", encoding="utf-8") as f:
            f.write(lines)
        os.replace(tmp, opts.env_file)
    sys.stdout.write(lines)
    sys.stdout.flush()
    server.wait()
    return 0


if __name__ == "__main__":
    sys.exit(main())
