"""Test certificates, made with the openssl command in the given directory.

  autorite        a test certificate authority (autorite.pem): the trust store of the tests
  auto1, auto2    two self-signed certificates for "localhost"
  valide          signed by the authority for "localhost" and 127.0.0.1
  autrenom        signed by the authority for "autre-nom.test"
  expire          signed by the authority for "localhost", expired in 2020
Each NAME comes as NAME.pem (certificate) and NAME.cle (key).
"""
import os
import subprocess
import sys

dossier = sys.argv[1]


def chemin(nom):
    return os.path.join(dossier, nom)


def openssl(*arguments):
    subprocess.run(["openssl", *arguments], check=True, stdout=subprocess.DEVNULL,
                   stderr=subprocess.PIPE)


def auto_signe(nom, sujet, *extensions):
    openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", chemin(nom + ".cle"),
            "-out", chemin(nom + ".pem"), "-days", "2", "-subj", sujet, *extensions)


configuration = f"""
[ca]
default_ca = autorite
[autorite]
database = {chemin("index.txt")}
new_certs_dir = {dossier}
serial = {chemin("serie")}
default_md = sha256
policy = toutes
copy_extensions = copy
unique_subject = no
[toutes]
commonName = supplied
[serveur]
basicConstraints = CA:FALSE
extendedKeyUsage = serverAuth
"""


def signe(nom, noms, debut, fin):
    openssl("req", "-new", "-newkey", "rsa:2048", "-nodes", "-keyout", chemin(nom + ".cle"),
            "-out", chemin(nom + ".csr"), "-subj", "/CN=" + noms.split(",")[0].split(":")[1],
            "-addext", "subjectAltName=" + noms)
    openssl("ca", "-batch", "-config", chemin("ca.cnf"), "-extensions", "serveur",
            "-cert", chemin("autorite.pem"), "-keyfile", chemin("autorite.cle"),
            "-startdate", debut, "-enddate", fin, "-notext",
            "-in", chemin(nom + ".csr"), "-out", chemin(nom + ".pem"))


with open(chemin("ca.cnf"), "w") as f:
    f.write(configuration)
open(chemin("index.txt"), "w").close()
with open(chemin("serie"), "w") as f:
    f.write("1000\n")
auto_signe("autorite", "/CN=Autorite de test", "-addext", "basicConstraints=critical,CA:TRUE",
           "-addext", "keyUsage=critical,keyCertSign,cRLSign")
auto_signe("auto1", "/CN=localhost")
auto_signe("auto2", "/CN=localhost")
signe("valide", "DNS:localhost,IP:127.0.0.1", "20240101000000Z", "20991231000000Z")
signe("autrenom", "DNS:autre-nom.test", "20240101000000Z", "20991231000000Z")
signe("expire", "DNS:localhost", "20200101000000Z", "20200201000000Z")
