"""Shared by the test peers: the command line, the record files, and the
rule that a peer never outlives its test (stdin closed, or its lifetime up)."""

import argparse
import asyncio
import json
import os
import sys


def arguments(extra):
    parser = argparse.ArgumentParser()
    parser.add_argument("--dir", required=True, help="where received messages are recorded")
    parser.add_argument("--lifetime", type=float, default=300.0, help="seconds before the peer stops")
    extra(parser)
    return parser.parse_args()


def write_json(path, value):
    temporary = path + ".tmp"
    with open(temporary, "w", encoding="utf-8") as f:
        json.dump(value, f, ensure_ascii=False, indent=1)
    os.replace(temporary, path)


def write_bytes(path, data):
    with open(path, "wb") as f:
        f.write(data)


def serve(loop, server, lifetime):
    """Announces the port on stdout and runs until stdin closes or the lifetime ends."""
    port = server.sockets[0].getsockname()[1]
    print(f"PORT {port}", flush=True)

    def on_stdin():
        if not os.read(sys.stdin.fileno(), 1024):
            loop.stop()

    loop.add_reader(sys.stdin.fileno(), on_stdin)
    loop.call_later(lifetime, loop.stop)
    try:
        loop.run_forever()
    finally:
        server.close()


def new_loop():
    loop = asyncio.new_event_loop()
    asyncio.set_event_loop(loop)
    return loop
