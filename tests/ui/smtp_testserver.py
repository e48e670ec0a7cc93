#!/usr/bin/python3
"""A mail server on 127.0.0.1 for the widget tests (aiosmtpd, without encryption).

Usage: smtp_testserver.py BENUTZER PASSWORT
Prints "bereit PORT" once it listens, then one JSON line per accepted mail, read with
Python's email package: envelope sender and recipients, the decoded subject and "To"
names, the text and the attachment file names. Ends when its standard input closes.
"""
import email
import email.policy
import json
import socket
import sys

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult

BENUTZER, PASSWORT = sys.argv[1:3]


class Sammler:
    async def handle_DATA(self, server, session, envelope):
        m = email.message_from_bytes(envelope.content, policy=email.policy.default)
        text = m.get_body(preferencelist=("plain",))
        zeile = {
            "von": envelope.mail_from,
            "an": list(envelope.rcpt_tos),
            "betreff": str(m["Subject"]),
            "to": [a.display_name for a in m["To"].addresses],
            "text": text.get_content() if text else "",
            "anhaenge": [t.get_filename() for t in m.iter_attachments()],
        }
        print(json.dumps(zeile, ensure_ascii=False), flush=True)
        return "250 2.0.0 angenommen"


def pruefe(server, session, envelope, mechanism, auth_data):
    ok = auth_data.login.decode() == BENUTZER and auth_data.password.decode() == PASSWORT
    return AuthResult(success=ok)


def freier_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


port = freier_port()
c = Controller(Sammler(), hostname="127.0.0.1", port=port, authenticator=pruefe, auth_require_tls=False,
               auth_required=True)
c.start()
print("bereit", port, flush=True)
sys.stdin.read()
c.stop()
