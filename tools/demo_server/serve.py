#!/usr/bin/env python3
"""Demo operator server of the Velmo - Tarvik launcher (Python standard library only).

It answers every request the launcher itself makes (usage reports, update configuration
and executable, notice text and picture) and serves the operator's web pages that the
launcher shows (login page with its app:// commands, web-game page, game page).

    python3 tools/demo_server/serve.py --port 18080 --bind 127.0.0.1 \
        --root build/run/served --log build/run/demo-server.log

See README.md beside this file.
"""

import argparse
import datetime
import hashlib
import html
import os
import shutil
import sys
import threading
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

HERE = os.path.dirname(os.path.abspath(__file__))
PAGES = os.path.join(HERE, "pages")
LAUNCHER_VERSION = "3.0.0.1"
REPORTS = {"/install.htm": "install", "/active.htm": "active", "/uninstall.htm": "uninstall"}
CONTENT_TYPES = {
    ".htm": "text/html; charset=utf-8",
    ".html": "text/html; charset=utf-8",
    ".txt": "text/plain",
    ".jpg": "image/jpeg",
    ".exe": "application/octet-stream",
    ".ini": "text/plain",
}


def release_key(path, version):
    """The launcher's release key: MD5 text cut by the version's digit count, then the digits."""
    digits = version.replace(".", "")
    with open(path, "rb") as f:
        digest = hashlib.md5(f.read()).hexdigest()
    return digest[: 32 - len(digits)] + digits


def config_text(key, upd_addr):
    text = "[VerKey]\r\n"
    if key:
        text += "Rendo=%s\r\n" % key
    return text + "UpdAddr=%s\r\n" % upd_addr


def default_notice(public):
    """The notice line: id|expiry|title|link|content|picture|show count, in GBK."""
    expiry = (datetime.date.today() + datetime.timedelta(days=30)).isoformat()
    fields = [
        "demo-notice-1",
        expiry,
        "Velmo - Tarvik 公告",
        "http://%s/webgame.htm" % public,
        "欢迎来到 Tarvik 演示服务器：新服“龙城”今日开放，登录即送礼包。",
        "http://%s/notice/PopWnd.jpg" % public,
        "2",
    ]
    return "|".join(fields).encode("gbk")


class ReportLog:
    """Counts the usage reports by kind and tag and keeps them as readable lines."""

    def __init__(self, path):
        self.path = path
        self.lock = threading.Lock()
        self.counts = {}
        if path:
            os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
            with open(path, "a", encoding="utf-8"):
                pass

    def record(self, kind, query, client):
        tag = query.get("tag", [""])[0]
        ver = query.get("ver", [""])[0]
        count = query.get("count", [""])[0]
        with self.lock:
            key = (kind, tag)
            self.counts[key] = self.counts.get(key, 0) + 1
            seen = self.counts[key]
            line = "%s %-9s tag=%s ver=%s count=%s  (received %d %s/%s report%s from %s)" % (
                datetime.datetime.now().strftime("%Y-%m-%d %H:%M:%S"), kind, tag, ver, count,
                seen, kind, tag, "" if seen == 1 else "s", client)
            print(line, flush=True)
            if self.path:
                with open(self.path, "a", encoding="utf-8") as f:
                    f.write(line + "\n")


class Site:
    def __init__(self, args):
        self.root = os.path.abspath(args.root)
        self.public = args.public_host or "%s:%d" % (args.bind, args.port)
        self.log = ReportLog(args.log)
        os.makedirs(os.path.join(self.root, "update"), exist_ok=True)
        if args.publish:
            self.publish(args.publish, args.version)

    def publish(self, exe, version):
        """Copies the release into update/ and writes the configuration that names it."""
        target = os.path.join(self.root, "update", "VelmoTarvik.exe")
        if os.path.abspath(exe) != target:
            shutil.copyfile(exe, target)
        key = release_key(target, version)
        addr = "http://%s/update/VelmoTarvik.exe" % self.public
        with open(os.path.join(self.root, "update", "ConfigRendo.htm"), "w", newline="") as f:
            f.write(config_text(key, addr))
        print("published %s as release key %s at %s" % (exe, key, addr), flush=True)

    def page(self, name, **values):
        with open(os.path.join(PAGES, name), encoding="utf-8") as f:
            text = f.read()
        values.setdefault("public", self.public)
        for k, v in values.items():
            text = text.replace("{{%s}}" % k, v)
        return text.encode("utf-8")

    def static(self, path, bases=None):
        """A file under --root (or the given folders); None when there is none."""
        rel = os.path.normpath(urllib.parse.unquote(path).lstrip("/"))
        if rel.startswith("..") or os.path.isabs(rel):
            return None
        for base in bases or (self.root,):
            full = os.path.join(base, rel)
            if os.path.isfile(full):
                with open(full, "rb") as f:
                    return f.read()
        return None


def make_handler(site):
    class Handler(BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"
        server_version = "VelmoDemo/1.0"

        def log_message(self, fmt, *args):
            sys.stdout.write("%s %s\n" % (self.address_string(), fmt % args))
            sys.stdout.flush()

        def send_body(self, body, content_type, status=200):
            self.send_response(status)
            self.send_header("Content-Type", content_type)
            self.send_header("Content-Length", str(len(body)))
            self.send_header("Cache-Control", "no-cache")
            self.send_header("Connection", "close")
            self.end_headers()
            self.wfile.write(body)

        def do_GET(self):
            url = urllib.parse.urlsplit(self.path)
            path = url.path
            query = urllib.parse.parse_qs(url.query)
            if path in REPORTS:
                site.log.record(REPORTS[path], query, self.client_address[0])
                return self.send_body(b"OK", "text/plain")
            if path == "/act/wd/main/index/307":
                return self.send_body(site.page("login.htm"), CONTENT_TYPES[".htm"])
            if path == "/game.htm":
                server = query.get("server", [""])[0]
                account = query.get("account", [""])[0]
                return self.send_body(
                    site.page("game.htm", server=html.escape(server), account=html.escape(account)),
                    CONTENT_TYPES[".htm"])
            if path in ("/webgame.htm", "/lumrix/", "/qq.aspx"):
                name = {"/webgame.htm": "webgame.htm", "/lumrix/": "lumrix.htm",
                        "/qq.aspx": "qq.htm"}[path]
                return self.send_body(site.page(name), CONTENT_TYPES[".htm"])
            if path == "/notice/rendo.txt":
                body = site.static(path)
                return self.send_body(body if body is not None else default_notice(site.public),
                                      "text/plain; charset=gbk")
            if path in ("/notice/PopWnd.jpg", "/PopWnd.jpg"):
                body = (site.static("/notice/PopWnd.jpg") or site.static("/PopWnd.jpg")
                        or site.static("/PopWnd.jpg", (PAGES,)))
                if body is not None:
                    return self.send_body(body, CONTENT_TYPES[".jpg"])
            body = site.static(path)
            if body is None:
                return self.send_body(b"<html><body>404 Not Found</body></html>",
                                      "text/html", 404)
            ext = os.path.splitext(path)[1].lower()
            return self.send_body(body, CONTENT_TYPES.get(ext, "application/octet-stream"))

    return Handler


def main(argv=None):
    parser = argparse.ArgumentParser(description="Demo operator server of the launcher.")
    parser.add_argument("--port", type=int, default=18080)
    parser.add_argument("--bind", default="127.0.0.1")
    parser.add_argument("--root", default=os.path.join(os.getcwd(), "served"),
                        help="folder of served files (update/, notice/, ...); created when missing")
    parser.add_argument("--log", default=None, help="file that receives the usage-report log")
    parser.add_argument("--publish", default=None,
                        help="release executable to publish as update/VelmoTarvik.exe with "
                             "update/ConfigRendo.htm")
    parser.add_argument("--version", default=LAUNCHER_VERSION,
                        help="version of the published release (default 3.0.0.1)")
    parser.add_argument("--public-host", default=None,
                        help="host[:port] written into addresses (default BIND:PORT); it must "
                             "contain one of the launcher's operator domain names")
    args = parser.parse_args(argv)
    site = Site(args)
    server = ThreadingHTTPServer((args.bind, args.port), make_handler(site))
    server.daemon_threads = True
    print("demo operator server on http://%s:%d, files from %s, report log %s" % (
        args.bind, args.port, site.root, args.log or "(stdout only)"), flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
