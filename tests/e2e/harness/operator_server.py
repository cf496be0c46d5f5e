"""A local stand-in for the operator's servers: records every request and answers each
path as configured (unconfigured paths answer 404)."""
import socket
import threading
import time
import urllib.parse
from dataclasses import dataclass, field
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from pathlib import Path


@dataclass
class Response:
    """How one request is answered.

    content_length: "auto" (the body's length), None (no Content-Length header; the
    connection is closed after the body), or an int sent as is (a lying length).
    chunked: send the body with Transfer-Encoding: chunked in `chunk_size` pieces.
    delay: seconds to wait before answering.
    stall: seconds to wait after the headers (and `stall_after` body bytes), then close
    the connection without sending the rest.
    """
    status: int = 200
    body: bytes = b""
    body_file: str = None
    content_type: str = "text/plain"
    content_length: object = "auto"
    chunked: bool = False
    chunk_size: int = 1024
    delay: float = 0.0
    stall: float = None
    stall_after: int = 0
    headers: dict = field(default_factory=dict)

    def payload(self):
        if self.body_file is not None:
            return Path(self.body_file).read_bytes()
        return self.body.encode("utf-8") if isinstance(self.body, str) else self.body


@dataclass
class Request:
    method: str
    path: str
    raw_query: str
    query: dict          # name -> list of values, decoded as UTF-8 (undecodable bytes replaced)
    headers: list        # (name, value) in the order received
    body: bytes
    time: float          # time.time() when the request line arrived

    def header(self, name, default=None):
        for key, value in self.headers:
            if key.lower() == name.lower():
                return value
        return default

    def query_value(self, name, default=None):
        values = self.query.get(name)
        return values[0] if values else default


class _Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "OperatorTest/1.0"

    def log_message(self, *args):
        pass

    def _handle(self):
        arrived = time.time()
        path, _, raw_query = self.path.partition("?")
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length) if length > 0 else b""
        request = Request(
            method=self.command, path=path, raw_query=raw_query,
            query=urllib.parse.parse_qs(raw_query, keep_blank_values=True, errors="replace"),
            headers=list(self.headers.items()), body=body, time=arrived)
        response = self.server.owner._record(request)
        self._answer(response)

    def _answer(self, r):
        if r.delay:
            time.sleep(r.delay)
        payload = r.payload() if self.command != "HEAD" else b""
        self.send_response(r.status)
        self.send_header("Content-Type", r.content_type)
        for name, value in r.headers.items():
            self.send_header(name, value)
        if r.chunked:
            self.send_header("Transfer-Encoding", "chunked")
        elif r.content_length == "auto":
            self.send_header("Content-Length", str(len(payload)))
        elif r.content_length is not None:
            self.send_header("Content-Length", str(r.content_length))
        if r.content_length is None or r.stall is not None or (
                r.content_length != "auto" and not r.chunked):
            self.send_header("Connection", "close")
            self.close_connection = True
        self.end_headers()
        try:
            if r.stall is not None:
                self.wfile.write(payload[:r.stall_after])
                self.wfile.flush()
                time.sleep(r.stall)
                self.close_connection = True
                return
            if r.chunked:
                for i in range(0, len(payload), max(1, r.chunk_size)):
                    piece = payload[i:i + r.chunk_size]
                    self.wfile.write(b"%x\r\n%s\r\n" % (len(piece), piece))
                self.wfile.write(b"0\r\n\r\n")
            else:
                self.wfile.write(payload)
            self.wfile.flush()
        except (BrokenPipeError, ConnectionResetError):
            self.close_connection = True

    do_GET = do_POST = do_HEAD = do_PUT = _handle


class OperatorServer:
    """Threading HTTP/1.1 server on 127.0.0.1 and a free port.

    server.route("/update.ini", Response(body=b"..."))        every request
    server.route("/x", [Response(status=500), Response()])   in turn; the last repeats
    server.requests / server.requests_for("/x") / server.wait_for("/x", count=1)
    """

    def __init__(self):
        self._routes = {}
        self._requests = []
        self._lock = threading.Condition()
        self._httpd = ThreadingHTTPServer(("127.0.0.1", 0), _Handler)
        self._httpd.daemon_threads = True
        self._httpd.owner = self
        self.port = self._httpd.server_address[1]
        self.host = f"127.0.0.1:{self.port}"
        self._thread = threading.Thread(target=self._httpd.serve_forever, args=(0.05,),
                                        daemon=True)
        self._thread.start()

    def url(self, path="/"):
        return f"http://{self.host}{path}"

    def route(self, path, response):
        """Configures the answer for `path` (without query): a Response, or a list of them
        used one per request with the last one repeating."""
        with self._lock:
            many = isinstance(response, (list, tuple))
            self._routes[path] = list(response) if many else [response]

    def _record(self, request):
        with self._lock:
            self._requests.append(request)
            self._lock.notify_all()
            queue = self._routes.get(request.path)
            if not queue:
                return Response(status=404, body=b"not found")
            return queue.pop(0) if len(queue) > 1 else queue[0]

    @property
    def requests(self):
        with self._lock:
            return list(self._requests)

    def requests_for(self, path):
        return [r for r in self.requests if r.path == path]

    def wait_for(self, path=None, count=1, timeout=10):
        """Waits until `count` requests (for `path`, or any) have arrived; returns them."""
        deadline = time.monotonic() + timeout
        with self._lock:
            while True:
                found = [r for r in self._requests if path is None or r.path == path]
                left = deadline - time.monotonic()
                if len(found) >= count or left <= 0:
                    return found
                self._lock.wait(left)

    def close(self):
        self._httpd.shutdown()
        self._httpd.server_close()


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]
