"""SMTP server for the transport tests (Debian's python3-aiosmtpd).

Listens on 127.0.0.1 and a free port, prints that port on its first line, stores every
message received as <n>.eml in the given directory, and accepts AUTH LOGIN or PLAIN (those
named by --mecanismes) with one fixed user and password, compared in UTF-8; every attempt is
appended to auth.log. With --certificat and --cle it offers STARTTLS and allows AUTH only over
TLS; with --implicite as well, it speaks TLS from the first byte instead. The name each TLS
client sends (SNI, "-" for none) is appended to sni.log. With --refuser, that recipient is
refused. With --verifier-helo, every recipient is refused when the EHLO or HELO argument is
neither a domain nor an address literal, as Postfix's reject_invalid_helo_hostname does. With
--retenue, the reply to each message's end of data is held that many seconds. With
--temporaire ADRESSE=N, that recipient is answered 450 its first N times. With --par-connexion N,
the MAIL after N messages on one connection is answered 421 and the connection closed. With
--smtputf8 it announces SMTPUTF8 (RFC 6531) and takes UTF-8 addresses. With --debit N, a token
bucket of N messages a second (N at most in a burst) answers MAIL beyond it with 450 4.7.1, as
Postfix's anvil does, and notes it in differes.log. With --quota N, the MAIL after N messages
delivered is answered 550 5.4.5 as a webmail provider's daily cap does, until a file
"quota-remis" appears in the directory (a new day). With --refus-donnees, every end of data is
answered with that reply. With --capture it also listens on a second port (printed on the
second line) that relays to the server and appends every byte the client sends to the capture
file.
"""
import argparse
import asyncio
import json
import os
import re
import ssl
import sys
import time

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword


NOM_VALIDE = re.compile(
    r"^(\[\d{1,3}(\.\d{1,3}){3}\]"
    r"|([A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?)(\.[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?)*)$")


class Depot:
    def __init__(self, dossier, refuses, verifier_helo, retenue=0.0, temporaires=None,
                 par_connexion=0, debit=0.0, quota=0, refus_donnees=None):
        self.debit = debit
        self.jetons = debit
        self.instant = time.monotonic()
        self.quota = quota
        self.refus_donnees = refus_donnees
        self.temporaires = dict(temporaires or {})
        self.par_connexion = par_connexion
        self.dossier = dossier
        self.retenue = retenue
        self.compte = 0
        self.refuses = refuses
        self.verifier_helo = verifier_helo

    async def handle_MAIL(self, server, session, envelope, address, mail_options):
        if self.par_connexion and getattr(session, "messages", 0) >= self.par_connexion:
            asyncio.get_event_loop().call_later(0.05, server.transport.close)
            return "421 4.7.0 Trop de messages sur cette connexion"
        if self.quota and self.compte >= self.quota and not os.path.exists(
                os.path.join(self.dossier, "quota-remis")):
            return "550 5.4.5 Daily user sending limit exceeded."
        if self.debit:
            maintenant = time.monotonic()
            self.jetons = min(self.debit,
                              self.jetons + (maintenant - self.instant) * self.debit)
            self.instant = maintenant
            if self.jetons < 1:
                with open(os.path.join(self.dossier, "differes.log"), "a") as f:
                    f.write(address + "\n")
                return "450 4.7.1 Error: too much mail from 127.0.0.1"
            self.jetons -= 1
        envelope.mail_from = address
        envelope.mail_options.extend(mail_options)
        return "250 OK"

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if self.temporaires.get(address, 0) > 0:
            self.temporaires[address] -= 1
            return "450 4.2.1 Boite pleine, reessayez plus tard"
        if self.verifier_helo and not NOM_VALIDE.match(session.host_name or ""):
            return "504 5.5.2 <%s>: Helo command rejected: Invalid name" % session.host_name
        if address in self.refuses:
            return "550 5.1.1 Destinataire inconnu: " + address
        envelope.rcpt_tos.append(address)
        return "250 2.1.5 OK"

    async def handle_DATA(self, server, session, envelope):
        if self.refus_donnees:
            return self.refus_donnees
        self.compte += 1
        session.messages = getattr(session, "messages", 0) + 1
        base = os.path.join(self.dossier, str(self.compte))
        with open(base + ".eml", "wb") as f:
            f.write(envelope.original_content or envelope.content)
        with open(base + ".json", "w") as f:
            json.dump({"mail_from": envelope.mail_from, "rcpt_tos": envelope.rcpt_tos,
                       "tls": server.transport.get_extra_info("ssl_object") is not None,
                       "authentifie": bool(session.authenticated),
                       "mail_options": envelope.mail_options,
                       "connexion": session.peer[1]}, f)
        # The message is kept; its reply is held, as a busy server does.
        await asyncio.sleep(self.retenue)
        return "250 2.0.0 Message accepte"


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--dossier", required=True)
    p.add_argument("--utilisateur", default="jean")
    p.add_argument("--motdepasse", default="secret")
    p.add_argument("--certificat")
    p.add_argument("--cle")
    p.add_argument("--capture")
    p.add_argument("--implicite", action="store_true")
    p.add_argument("--port", type=int, default=0)
    p.add_argument("--mecanismes", default="LOGIN PLAIN",
                   help="the AUTH mechanisms offered, among LOGIN and PLAIN")
    p.add_argument("--refuser", action="append", default=[],
                   help="a recipient refused with 550 (may be repeated)")
    p.add_argument("--verifier-helo", action="store_true")
    p.add_argument("--retenue", type=float, default=0.0,
                   help="seconds the reply to the end of data is held, the message kept")
    p.add_argument("--temporaire", action="append", default=[],
                   help="ADRESSE=N: that recipient is answered 450 its first N times")
    p.add_argument("--par-connexion", type=int, default=0,
                   help="messages per connection before a 421 and a close")
    p.add_argument("--debit", type=float, default=0.0,
                   help="messages a second taken, beyond which MAIL is deferred")
    p.add_argument("--quota", type=int, default=0,
                   help="messages delivered before MAIL is refused for the day")
    p.add_argument("--refus-donnees", help="the reply to every end of data")
    p.add_argument("--smtputf8", action="store_true", help="announce SMTPUTF8")
    a = p.parse_args()

    def verifier(server, session, envelope, mechanism, donnees):
        ok = (isinstance(donnees, LoginPassword)
              and donnees.login == a.utilisateur.encode("utf-8")
              and donnees.password == a.motdepasse.encode("utf-8"))
        with open(os.path.join(a.dossier, "auth.log"), "a") as f:
            f.write(f"{mechanism} {'ok' if ok else 'refus'}\n")
        return AuthResult(success=ok, handled=False)

    def noter_nom(objet_ssl, nom, contexte_ssl):
        with open(os.path.join(a.dossier, "sni.log"), "a") as f:
            f.write((nom or "-") + "\n")

    contexte = None
    if a.certificat:
        contexte = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        contexte.load_cert_chain(a.certificat, a.cle)
        contexte.sni_callback = noter_nom
    exclus = [m for m in ("LOGIN", "PLAIN") if m not in a.mecanismes.split()]

    temporaires = {t.split("=")[0]: int(t.split("=")[1]) for t in a.temporaire}
    depot = Depot(a.dossier, set(a.refuser), a.verifier_helo, a.retenue, temporaires,
                  a.par_connexion, a.debit, a.quota, a.refus_donnees)
    boucle = asyncio.new_event_loop()
    asyncio.set_event_loop(boucle)

    def fabrique():
        return SMTP(depot, hostname="serveur.test",
                    tls_context=None if a.implicite else contexte,
                    require_starttls=False, authenticator=verifier,
                    auth_require_tls=contexte is not None and not a.implicite,
                    auth_required=False, auth_exclude_mechanism=exclus,
                    enable_SMTPUTF8=a.smtputf8)

    serveur = boucle.run_until_complete(boucle.create_server(
        fabrique, "127.0.0.1", a.port, reuse_address=True, ssl=contexte if a.implicite else None))
    port = serveur.sockets[0].getsockname()[1]
    print(port, flush=True)

    if a.capture:
        async def relayer(lecteur, ecrivain, journal):
            try:
                while True:
                    bloc = await lecteur.read(65536)
                    if not bloc:
                        break
                    if journal:
                        with open(a.capture, "ab") as f:
                            f.write(bloc)
                    ecrivain.write(bloc)
                    await ecrivain.drain()
            except ConnectionError:
                pass
            finally:
                ecrivain.close()

        async def client(lecteur, ecrivain):
            l2, e2 = await asyncio.open_connection("127.0.0.1", port)
            await asyncio.gather(relayer(lecteur, e2, True), relayer(l2, ecrivain, False))

        relais = boucle.run_until_complete(asyncio.start_server(client, "127.0.0.1", 0))
        print(relais.sockets[0].getsockname()[1], flush=True)

    try:
        boucle.run_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    sys.exit(main())
