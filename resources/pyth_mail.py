"""Sends one e-mail message through an SMTP server.

Arguments: sender server port sender recipient subject body ssl_flag log_flag [attachment ...]
Standard input: the password on its first line. Exit status 0 when the message was accepted.
"""
import mimetypes
import os
import smtplib
import ssl
import sys
from email.message import EmailMessage

TIMEOUT = 60


def one_line(text):
    # A header never spans lines: nothing typed may add a header of its own.
    return " ".join(text.replace("\r", "\n").split("\n"))


def no_controls(address):
    if any(ord(c) < 32 or ord(c) == 127 for c in address):
        raise ValueError("invalid character in address: %r" % address)
    return address.strip()


def build_message(sender, recipient, subject, body, attachments):
    msg = EmailMessage()
    msg["From"] = sender
    msg["To"] = recipient
    msg["Subject"] = one_line(subject)
    msg.set_content(body)
    for path in attachments:
        ctype, encoding = mimetypes.guess_type(path)
        if ctype is None or encoding is not None:
            ctype = "application/octet-stream"
        maintype, subtype = ctype.split("/", 1)
        with open(path, "rb") as f:
            msg.add_attachment(f.read(), maintype=maintype, subtype=subtype,
                               filename=os.path.basename(path))
    return msg


def login(server, user, password):
    try:
        server.login(user, password)
    except UnicodeEncodeError:
        # A password without an ASCII form logs in by AUTH PLAIN in UTF-8.
        server.ehlo_or_helo_if_needed()
        token = ("\0%s\0%s" % (user, password)).encode("utf-8")
        import base64
        code, resp = server.docmd("AUTH", "PLAIN " + base64.b64encode(token).decode("ascii"))
        if code != 235:
            raise smtplib.SMTPAuthenticationError(code, resp)


def main(argv):
    if len(argv) < 10:
        raise ValueError("expected at least 9 arguments")
    sender, host, port, login_name, recipient, subject, body, use_ssl, _log = argv[1:10]
    attachments = argv[10:]
    password = sys.stdin.buffer.readline().decode("utf-8").rstrip("\n")
    sender = no_controls(sender)
    login_name = no_controls(login_name)
    recipient = no_controls(recipient)
    msg = build_message(sender, recipient, subject, body, attachments)
    context = ssl.create_default_context()
    port = int(port)
    if use_ssl == "Y":
        server = smtplib.SMTP_SSL(host, port, timeout=TIMEOUT, context=context)
    else:
        server = smtplib.SMTP(host, port, timeout=TIMEOUT)
    with server:
        if use_ssl != "Y":
            server.ehlo()
            if not server.has_extn("starttls"):
                raise smtplib.SMTPNotSupportedError("the server offers no STARTTLS")
            server.starttls(context=context)
            server.ehlo()
        login(server, login_name, password)
        refused = server.send_message(msg, from_addr=sender, to_addrs=[recipient])
        if refused:
            raise smtplib.SMTPRecipientsRefused(refused)


if __name__ == "__main__":
    try:
        main(sys.argv)
    except Exception as e:  # any failure: its reason, status 1
        print("error in mail: %s" % e, file=sys.stderr)
        sys.exit(1)
    sys.exit(0)
