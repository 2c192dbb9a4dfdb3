"""A local news server for the mail tests. Commands are recorded in
transcript.txt as they arrive; a posted article in article-N.raw (as it came,
dot-stuffed), article-N.eml (unstuffed) and article-N.json (parsed).
--refuse-article answers 441 to every article."""

import asyncio
import os

import peer_common
from mail_summary import summarize


class NewsPeer:
    def __init__(self, directory, refuse_article):
        self.directory = directory
        self.refuse_article = refuse_article
        self.count = 0

    def record(self, line):
        with open(os.path.join(self.directory, "transcript.txt"), "ab") as f:
            f.write(line)

    async def receive_article(self, reader):
        raw = b""
        lines = []
        while True:
            line = await reader.readline()
            if not line:
                return None, None
            raw += line
            if line == b".\r\n":
                return raw, b"".join(lines)
            lines.append(line[1:] if line.startswith(b".") else line)

    async def session(self, reader, writer):
        writer.write(b"200 peer.test news server ready, posting allowed\r\n")
        while True:
            await writer.drain()
            line = await reader.readline()
            if not line:
                break
            self.record(line)
            command = line.decode("utf-8", "replace").rstrip("\r\n").upper()
            if command.startswith("AUTHINFO USER "):
                writer.write(b"381 password required\r\n")
            elif command.startswith("AUTHINFO PASS "):
                writer.write(b"281 authentication accepted\r\n")
            elif command == "POST":
                writer.write(b"340 send article to be posted\r\n")
                await writer.drain()
                raw, article = await self.receive_article(reader)
                if raw is None:
                    break
                self.count += 1
                base = os.path.join(self.directory, f"article-{self.count}")
                peer_common.write_bytes(base + ".raw", raw)
                peer_common.write_bytes(base + ".eml", article)
                peer_common.write_json(base + ".json", summarize(article))
                writer.write(b"441 posting failed\r\n" if self.refuse_article
                             else b"240 article received ok\r\n")
            elif command == "QUIT":
                writer.write(b"205 closing connection\r\n")
                await writer.drain()
                break
            else:
                writer.write(b"500 unknown command\r\n")
        writer.close()


def main():
    args = peer_common.arguments(lambda p: p.add_argument("--refuse-article", action="store_true"))
    os.makedirs(args.dir, exist_ok=True)
    peer = NewsPeer(args.dir, args.refuse_article)
    loop = peer_common.new_loop()
    server = loop.run_until_complete(asyncio.start_server(peer.session, "127.0.0.1", 0))
    peer_common.serve(loop, server, args.lifetime)


if __name__ == "__main__":
    main()
