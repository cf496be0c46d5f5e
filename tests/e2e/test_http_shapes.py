"""The three HTTP shapes of the launcher against a recording server, through the test
build's "/test-http <shape> <address> <output> <result>" switch (the real WinINet
requests of the executable)."""
import time

from harness.launcher import DEFAULT_FOLDER
from harness.operator_server import Response

BODY = b"0123456789" * 120  # 1200 bytes: more than two 512-byte blocks


class Runner:
    """Runs one transfer per call in the test's prefix and reads back its outcome."""

    def __init__(self, prefix, launcher):
        self.prefix = prefix
        self.exe = launcher.install_copy()
        self.launcher = launcher
        self.n = 0

    def __call__(self, shape, address, timeout=90):
        self.n += 1
        out = DEFAULT_FOLDER + r"\out%d.bin" % self.n
        result = DEFAULT_FOLDER + r"\result%d.txt" % self.n
        started = time.monotonic()
        proc = self.launcher.start("/test-http", shape, address, out, result, exe=self.exe)
        assert proc.wait(timeout) == 0
        fields = dict(item.split("=") for item in
                      self.prefix.host_path(result).read_text(encoding="utf-8").split())
        out_path = self.prefix.host_path(out)
        body = out_path.read_bytes() if out_path.exists() else None
        return int(fields["result"]), body, time.monotonic() - started


def test_file_shape_status_and_length_rules(prefix, launcher, operator_server):
    cases = [
        # path, response, expected result, expected file content (None: no file)
        ("/ok", Response(body=BODY), 1, BODY),
        ("/missing", Response(status=404, body=b"<h1>404</h1>"), 0, None),
        # An error page with a length is saved like the file.
        ("/error", Response(status=500, body=b"<h1>500</h1>"), 1, b"<h1>500</h1>"),
        ("/chunked", Response(body=BODY, chunked=True, chunk_size=300), 0, None),
        ("/nolength", Response(body=BODY, content_length=None), 0, None),
        ("/longer", Response(body=BODY, content_length=700), 1, "prefix"),
        # A short body fails and leaves the partial file for the caller.
        ("/short", Response(body=BODY[:300], content_length=1200), 0, BODY[:300]),
        ("/empty", Response(body=b""), 1, b""),
    ]
    run = Runner(prefix, launcher)
    for path, response, _, _ in cases:
        operator_server.route(path, response)
    for path, _, expected, content in cases:
        result, body, _ = run("file", operator_server.url(path))
        assert result == expected, path
        if content == "prefix":
            assert body is not None and body.startswith(BODY[:700]), path
        elif content is not None:
            assert body == content, path
        else:
            assert not body, path
    for path, _, _, _ in cases:
        request = operator_server.requests_for(path)[0]
        assert request.method == "GET" and request.header("User-Agent") == "NQV", path


def test_file_shape_refusals_and_a_stalled_connection(prefix, launcher, operator_server):
    operator_server.route("/x", Response(body=b"x"))
    operator_server.route("/stall", Response(body=BODY, stall=3, stall_after=100))
    run = Runner(prefix, launcher)
    host = operator_server.host
    # Outside the operator's domains: refused before any network access.
    assert run("file-operator", f"http://localhost:{operator_server.port}/x")[0] == 0
    # A host of more than 259 characters is refused, never cut short.
    assert run("file", "http://" + "h" * 260 + "/x")[0] == 0
    assert run("file", f"http://{host}/" + "p" * 512)[0] == 0
    assert operator_server.requests == []
    assert run("file-operator", f"http://{host}/x")[0] == 1
    # A connection that stalls and then closes ends the transfer as a failure.
    result, body, seconds = run("file", f"http://{host}/stall")
    assert result == 0 and body == BODY[:100]
    assert seconds < 60


def test_report_and_memory_shapes(prefix, launcher, operator_server):
    notice = "demo|2099-01-01|公告|http://x/|内容|http://x/p.jpg|2".encode("gbk")
    operator_server.route("/active.htm", Response(body=b"ok"))
    operator_server.route("/notice/rendo.txt", Response(body=notice))
    operator_server.route("/big.txt", Response(body=b"a" * 1024))
    operator_server.route("/max.txt", Response(body=b"b" * 1023))
    run = Runner(prefix, launcher)
    host = operator_server.host

    # The report shape checks the scheme in any letter case and sends the exact request.
    assert run("ping", f"HTTP://{host}/active.htm?tag=rendo&ver=3.0.0.1&count=7")[0] == 1
    assert run("ping", f"https://{host}/active.htm?tag=https")[0] == 0
    reports = operator_server.requests_for("/active.htm")
    assert [r.raw_query for r in reports] == ["tag=rendo&ver=3.0.0.1&count=7"]
    names = [name.lower() for name, _ in reports[0].headers]
    assert reports[0].header("User-Agent") == "NQV"
    assert reports[0].header("Accept-Language").strip() == "zh-cn"
    assert reports[0].header("Content-Type") == "application/x-www-form-urlencoded"
    assert names.count("accept-language") == 1 and names.count("content-type") == 1
    # Nothing listens on port 1: the report fails and the switch still ends.
    assert run("ping", "http://127.0.0.1:1/active.htm")[0] == 0

    # The memory shape converts from code page 936 and holds fewer than 1024 bytes.
    result, body, _ = run("memory", f"http://{host}/notice/rendo.txt")
    assert result == 1 and body.decode("utf-8") == notice.decode("gbk")
    assert run("memory", f"http://{host}/max.txt")[:2] == (1, b"b" * 1023)
    assert run("memory", f"http://{host}/big.txt")[:2] == (0, b"")
