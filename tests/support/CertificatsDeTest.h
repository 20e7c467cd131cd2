#pragma once
// The certificates of tests/donnees/mail/certificats.py, made once per test program with the
// openssl command: a test authority, two self-signed ones, and three signed by the authority
// (valid for "localhost", for another name, expired).
#include "tests/support/ServeurSMTPReel.h"

#include <QString>

namespace CertificatsDeTest {
// "NAME.pem" and "NAME.cle" of the given name ("autorite", "auto1", "valide", ...).
QString Certificat(const char* nom);
QString Cle(const char* nom);
// The SHA-256 fingerprint as the openssl command prints it ("AB:CD:...").
QString Empreinte(const char* nom);
// A test server presenting that certificate, after STARTTLS or from the first byte.
ServeurSMTPReel::Options Serveur(const char* nom, bool implicite = false);
} // namespace CertificatsDeTest
