"""What a received message holds, as the mail tests check it: parsed by
Python's own e-mail package, independently of the code that built it."""

import email
import hashlib
from email import policy

ADDRESS_HEADERS = ("From", "To", "Cc", "Bcc")
TEXT_HEADERS = ("Subject", "Organization", "X-Mailer", "X-Priority", "Newsgroups",
                "Date", "Message-ID", "MIME-Version")


def _addresses(header):
    return [{"name": a.display_name, "address": a.addr_spec} for a in header.addresses]


def summarize(raw):
    msg = email.message_from_bytes(raw, policy=policy.default)
    summary = {"header_names": list(msg.keys())}
    for name in ADDRESS_HEADERS:
        if name in msg:
            summary[name] = _addresses(msg[name])
    for name in TEXT_HEADERS:
        if name in msg:
            summary[name] = str(msg[name])
    body = msg.get_body(preferencelist=("plain",))
    summary["text"] = body.get_content() if body is not None else None
    attachments = []
    for part in msg.iter_attachments():
        content = part.get_content()
        if isinstance(content, str):
            content = content.encode("utf-8")
        attachments.append({"filename": part.get_filename(), "size": len(content),
                            "sha256": hashlib.sha256(content).hexdigest()})
    summary["attachments"] = attachments
    summary["defects"] = [type(d).__name__ for d in msg.defects]
    return summary
