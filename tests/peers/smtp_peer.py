"""A local SMTP server for the mail tests. Every accepted message is recorded
as message-N.eml (what arrived) and message-N.json (envelope and parsed
content). --reject ADDRESS makes it answer 550 to that recipient."""

import os

from aiosmtpd.smtp import SMTP

import peer_common
from mail_summary import summarize


class Recorder:
    def __init__(self, directory, rejected):
        self.directory = directory
        self.rejected = set(rejected)
        self.count = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address in self.rejected:
            return f"550 5.1.1 <{address}>: Recipient address rejected"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        base = os.path.join(self.directory, f"message-{self.count}")
        peer_common.write_bytes(base + ".eml", envelope.content)
        summary = summarize(envelope.content)
        summary["mail_from"] = envelope.mail_from
        summary["rcpt_tos"] = envelope.rcpt_tos
        peer_common.write_json(base + ".json", summary)
        return "250 Message accepted"


def main():
    args = peer_common.arguments(lambda p: p.add_argument("--reject", action="append", default=[]))
    os.makedirs(args.dir, exist_ok=True)
    recorder = Recorder(args.dir, args.reject)
    loop = peer_common.new_loop()
    server = loop.run_until_complete(loop.create_server(
        lambda: SMTP(recorder, hostname="peer.test", data_size_limit=None), "127.0.0.1", 0))
    peer_common.serve(loop, server, args.lifetime)


if __name__ == "__main__":
    main()
