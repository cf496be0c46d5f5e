"""The operator-server fixture answers on the wire exactly as configured (the HTTP tests
rely on it to produce malformed answers), and records what it was sent."""
import socket
import time

import pytest

from harness.operator_server import OperatorServer, Response

BODY = b"abcdefghij" * 30


def exchange(server, request, read_timeout=5):
    """Sends raw request bytes; returns (head, body, seconds until the server closed)."""
    started = time.monotonic()
    with socket.create_connection(("127.0.0.1", server.port), timeout=read_timeout) as s:
        s.sendall(request)
        data = b""
        try:
            while chunk := s.recv(65536):
                data += chunk
        except socket.timeout:
            pass
    head, _, body = data.partition(b"\r\n\r\n")
    return head.decode("latin-1"), body, time.monotonic() - started


def get(path):
    return f"GET {path} HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n".encode()


@pytest.fixture
def server():
    s = OperatorServer()
    yield s
    s.close()


@pytest.mark.parametrize("response, head_has, head_lacks, body", [
    (Response(body=BODY), ["200 OK", "Content-Length: 300"], ["chunked"], BODY),
    (Response(status=500, body=b"x"), ["500 "], [], b"x"),
    (Response(body=BODY, content_length=None), ["Connection: close"], ["Content-Length"], BODY),
    (Response(body=BODY, content_length=9999), ["Content-Length: 9999"], [], BODY),
    (Response(body=BODY, chunked=True, chunk_size=256), ["Transfer-Encoding: chunked"],
     ["Content-Length"], b"100\r\n" + BODY[:256] + b"\r\n2c\r\n" + BODY[256:] + b"\r\n0\r\n\r\n"),
    (Response(body=b"", headers={"X-Extra": "1", "Location": "/a"}),
     ["X-Extra: 1", "Location: /a", "Content-Length: 0"], [], b""),
], ids=["plain", "status", "no-length", "lying-length", "chunked", "extra-headers"])
def test_answers_as_configured(server, response, head_has, head_lacks, body):
    server.route("/p", response)
    head, got, _ = exchange(server, get("/p"))
    for text in head_has:
        assert text in head
    for text in head_lacks:
        assert text not in head
    assert got == body


def test_delay_stall_sequence_and_unconfigured_paths(server):
    server.route("/slow", Response(body=b"late", delay=0.5))
    server.route("/stall", Response(body=BODY, stall=0.5, stall_after=10))
    server.route("/seq", [Response(status=503), Response(body=b"ok")])

    _, body, took = exchange(server, get("/slow"))
    assert body == b"late" and took >= 0.5
    head, body, took = exchange(server, get("/stall"))
    assert "Content-Length: 300" in head and body == BODY[:10] and took >= 0.5
    assert [exchange(server, get("/seq"))[0].split()[1] for _ in range(3)] == ["503", "200", "200"]
    assert exchange(server, get("/nothing"))[0].split()[1] == "404"


def test_records_requests_with_query_and_headers_in_order(server):
    raw = (b"POST /r.htm?tag=rendo&ver=3.0.0.1&empty=&name=%E4%B8%AD HTTP/1.1\r\n"
           b"Host: h\r\nUser-Agent: UA\r\nAccept: */*\r\nContent-Length: 3\r\n"
           b"Connection: close\r\n\r\nxyz")
    exchange(server, raw)
    [r] = server.wait_for("/r.htm", timeout=5)
    assert (r.method, r.path, r.body) == ("POST", "/r.htm", b"xyz")
    assert r.raw_query == "tag=rendo&ver=3.0.0.1&empty=&name=%E4%B8%AD"
    assert r.query == {"tag": ["rendo"], "ver": ["3.0.0.1"], "empty": [""], "name": ["中"]}
    assert [k for k, _ in r.headers] == ["Host", "User-Agent", "Accept", "Content-Length",
                                         "Connection"]
    assert r.header("user-agent") == "UA"
