#include "mail/SessionTLS.h"

#include "mail/ErreursTransport.h"

void SessionTLS::PreparerContexte(const OptionsTLS&) {
    throw ErreurBibliothequeAbsente();
}

void SessionTLS::Negocier(int) {
    throw ErreurBibliothequeAbsente();
}

qint64 SessionTLS::Lire(char*, qint64, int& codeErrno) {
    codeErrno = 0;
    return 0;
}

qint64 SessionTLS::Ecrire(const char*, qint64, int& codeErrno) {
    codeErrno = 0;
    return 0;
}

void SessionTLS::Liberer(bool) {
    contexte_ = nullptr;
    liaison_ = nullptr;
}

bool SessionTLS::EnAttente() const {
    return false;
}
