"""An SMTP peer that speaks TLS after STARTTLS, for faults no real server produces.

Prints its port, accepts one connection, offers STARTTLS, runs the server side of the
handshake with the given certificate, answers the EHLO sent over TLS, then:
  --mode fermeture  sends a TLS close notification;
  --mode muet       reads what comes and never answers again.
"""
import argparse
import socket
import ssl
import time

p = argparse.ArgumentParser()
p.add_argument("--certificat", required=True)
p.add_argument("--cle", required=True)
p.add_argument("--mode", required=True)
a, _ = p.parse_known_args()

ecoute = socket.socket()
ecoute.bind(("127.0.0.1", 0))
ecoute.listen(1)
print(ecoute.getsockname()[1], flush=True)

client, _ = ecoute.accept()
clair = client.makefile("rb", buffering=0)
client.sendall(b"220 pair-tls\r\n")
clair.readline()
client.sendall(b"250-pair\r\n250 STARTTLS\r\n")
clair.readline()
client.sendall(b"220 go\r\n")

contexte = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
contexte.load_cert_chain(a.certificat, a.cle)
tls = contexte.wrap_socket(client, server_side=True)
chiffre = tls.makefile("rb", buffering=0)
chiffre.readline()
tls.sendall(b"250 pair\r\n")

if a.mode == "fermeture":
    try:
        tls.unwrap()
    except (ssl.SSLError, OSError):
        pass
else:
    while chiffre.readline():
        pass
# The test ends this process.
time.sleep(60)
