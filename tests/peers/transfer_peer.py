"""A local file-transfer peer for the script tests: "http" serves the files of
--dir, "ftp" serves --dir to the user "user" with the password "secret"
(uploads land there too), "hung" accepts connections and never answers.
Announces "PORT n" on stdout; stops when stdin closes or its lifetime ends."""

import http.server
import os
import socket
import sys
import threading

from peer_common import arguments


def extra(parser):
    parser.add_argument("--mode", choices=["http", "ftp", "hung"], required=True)


def http_server(directory):
    handler = lambda *a, **k: http.server.SimpleHTTPRequestHandler(*a, directory=directory, **k)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    return server.server_address[1], server.serve_forever


def ftp_server(directory):
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import FTPHandler
    from pyftpdlib.servers import FTPServer

    authorizer = DummyAuthorizer()
    authorizer.add_user("user", "secret", directory, perm="elradfmw")
    handler = FTPHandler
    handler.authorizer = authorizer
    server = FTPServer(("127.0.0.1", 0), handler)
    return server.address[1], server.serve_forever


def hung_server():
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    held = []

    def accept():
        while True:
            connection, _ = listener.accept()
            held.append(connection)  # kept open, never answered

    return listener.getsockname()[1], accept


def main():
    options = arguments(extra)
    os.makedirs(options.dir, exist_ok=True)
    if options.mode == "http":
        port, run = http_server(options.dir)
    elif options.mode == "ftp":
        port, run = ftp_server(options.dir)
    else:
        port, run = hung_server()
    threading.Thread(target=run, daemon=True).start()
    print(f"PORT {port}", flush=True)
    timer = threading.Timer(options.lifetime, lambda: os._exit(0))
    timer.daemon = True
    timer.start()
    while os.read(sys.stdin.fileno(), 1024):
        pass
    os._exit(0)


if __name__ == "__main__":
    main()
