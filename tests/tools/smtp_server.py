#!/usr/bin/python3
"""Local SMTP servers for the mail tests and for trying the mail windows by hand.

Starts a STARTTLS server and an implicit-TLS (SSL) server on 127.0.0.1, both asking for AUTH
(PLAIN and LOGIN; the password is compared as UTF-8 bytes), with a throwaway CA and server
certificate made at start by the openssl command. Each accepted message is written to
MAILDIR/NNNN/: message.eml (as received), envelope.json (envelope, login, decoded From, To,
Subject, text body and attachment names) and the attachments under their own names in
attachments/. The first line on standard output is a JSON object with the ports and folders.
Stop it with SIGTERM (or Ctrl-C).

  --overlay DIR    copy the resource folder into DIR with a pyth_mail.py that trusts the
                   throwaway CA (SSL_CERT_FILE) and runs the real script, for TAGORA_RESOURCES=DIR
  --no-starttls    the plain-port server offers no STARTTLS
  --untrusted      the servers present a certificate of another CA than the one trusted
"""
import argparse
import asyncio
import email
import email.policy
import json
import logging
import os
import shutil
import signal
import ssl
import subprocess
import sys
import tempfile

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword

HERE = os.path.dirname(os.path.abspath(__file__))
RESOURCES = os.path.normpath(os.path.join(HERE, "..", "..", "resources"))


def openssl(*args, cwd):
    subprocess.run(["openssl", *args], cwd=cwd, check=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)


def make_ca(folder, name):
    openssl("req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
            "-keyout", name + ".key", "-out", name + ".pem", "-days", "2", "-subj", "/CN=Tagora test " + name,
            "-addext", "basicConstraints=critical,CA:TRUE", "-addext", "keyUsage=critical,keyCertSign,cRLSign",
            cwd=folder)
    return os.path.join(folder, name + ".pem")


def make_server_cert(folder, ca):
    with open(os.path.join(folder, "server.ext"), "w") as f:
        f.write("subjectAltName=IP:127.0.0.1,DNS:localhost\nbasicConstraints=CA:FALSE\n"
                "keyUsage=critical,digitalSignature\nextendedKeyUsage=serverAuth\n")
    openssl("req", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
            "-keyout", "server.key", "-out", "server.csr", "-subj", "/CN=127.0.0.1", cwd=folder)
    openssl("x509", "-req", "-in", "server.csr", "-CA", ca + ".pem", "-CAkey", ca + ".key", "-CAcreateserial",
            "-out", "server.pem", "-days", "2", "-extfile", "server.ext", cwd=folder)
    return os.path.join(folder, "server.pem"), os.path.join(folder, "server.key")


def write_overlay(folder, ca_file):
    shutil.copytree(RESOURCES, folder, dirs_exist_ok=True)
    real = os.path.join(RESOURCES, "pyth_mail.py")
    with open(os.path.join(folder, "pyth_mail.py"), "w") as f:
        f.write("import os, runpy, sys\n"
                "os.environ['SSL_CERT_FILE'] = %r\n"
                "sys.argv[0] = %r\n"
                "runpy.run_path(%r, run_name='__main__')\n" % (ca_file, real, real))


class Store:
    def __init__(self, folder):
        self.folder = folder
        self.count = 0

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        final = os.path.join(self.folder, "%04d" % self.count)
        part = final + ".part"
        os.makedirs(os.path.join(part, "attachments"))
        raw = envelope.original_content or envelope.content
        with open(os.path.join(part, "message.eml"), "wb") as f:
            f.write(raw)
        msg = email.message_from_bytes(raw, policy=email.policy.default)
        body = msg.get_body(preferencelist=("plain",))
        names = []
        for att in msg.iter_attachments():
            name = att.get_filename()
            names.append(name)
            # A name is written as its base name only, whatever a sender put in it.
            with open(os.path.join(part, "attachments", os.path.basename(name)), "wb") as f:
                f.write(att.get_payload(decode=True))
        info = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "login": session.auth_data.login.decode("utf-8") if session.auth_data else None,
            "from": str(msg["From"]),
            "to": str(msg["To"]),
            "subject": str(msg["Subject"]),
            "bcc": msg["Bcc"] is not None,
            "body": body.get_content().replace("\r\n", "\n") if body is not None else None,
            "attachments": names,
        }
        with open(os.path.join(part, "envelope.json"), "w", encoding="utf-8") as f:
            json.dump(info, f, ensure_ascii=False)
        os.rename(part, final)   # complete before the client hears 250
        return "250 Message accepted"


def authenticator(user, password):
    def check(server, session, envelope, mechanism, auth_data):
        ok = (isinstance(auth_data, LoginPassword) and auth_data.login == user.encode("utf-8")
              and auth_data.password == password.encode("utf-8"))
        # handled=False: the server answers 535 itself on a refusal.
        return AuthResult(success=ok, handled=False, auth_data=auth_data if ok else None)
    return check


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--maildir", help="folder of received messages (default: a new temporary folder)")
    p.add_argument("--overlay", help="resource folder to write, trusting the throwaway CA")
    p.add_argument("--user", default="sender@example.org")
    p.add_argument("--password", default="p\u00e4ssw\u00f6rd")
    p.add_argument("--no-starttls", action="store_true")
    p.add_argument("--untrusted", action="store_true")
    args = p.parse_args()
    # aiosmtpd warns of its own deprecated session field on every login.
    logging.getLogger("mail.log").setLevel(logging.ERROR)

    work = tempfile.mkdtemp(prefix="tagora-smtp-")
    maildir = args.maildir or os.path.join(work, "mail")
    os.makedirs(maildir, exist_ok=True)
    trusted = make_ca(work, "ca")
    signer = "ca"
    if args.untrusted:
        make_ca(work, "other-ca")
        signer = "other-ca"
    cert, key = make_server_cert(work, os.path.join(work, signer))
    if args.overlay:
        write_overlay(args.overlay, trusted)

    tls = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    tls.load_cert_chain(cert, key)
    store = Store(maildir)
    auth = authenticator(args.user, args.password)

    loop = asyncio.new_event_loop()
    asyncio.set_event_loop(loop)

    def starttls_protocol():
        return SMTP(store, hostname="localhost", authenticator=auth, auth_require_tls=True,
                    require_starttls=not args.no_starttls, tls_context=None if args.no_starttls else tls,
                    enable_SMTPUTF8=True)

    def ssl_protocol():
        # Implicit TLS: the connection is encrypted from the start, so AUTH needs no STARTTLS.
        return SMTP(store, hostname="localhost", authenticator=auth, auth_require_tls=False,
                    enable_SMTPUTF8=True)

    plain = loop.run_until_complete(loop.create_server(starttls_protocol, "127.0.0.1", 0))
    secure = loop.run_until_complete(loop.create_server(ssl_protocol, "127.0.0.1", 0, ssl=tls))
    for sig in (signal.SIGTERM, signal.SIGINT):
        loop.add_signal_handler(sig, loop.stop)
    print(json.dumps({
        "starttls": plain.sockets[0].getsockname()[1],
        "ssl": secure.sockets[0].getsockname()[1],
        "maildir": maildir,
        "ca": trusted,
        "overlay": args.overlay,
        "user": args.user,
        "pid": os.getpid(),
    }), flush=True)
    try:
        loop.run_forever()
    finally:
        plain.close()
        secure.close()
        loop.close()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
