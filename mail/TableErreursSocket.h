#pragma once
// The socket error numbers the user reads, their texts, and the mapping of this platform's
// errno and resolver codes onto them. A number without a text gives an empty text.
#include "mail/ErreursTransport.h"

namespace TableErreursSocket {
int NumeroSysteme(int codeErrno);
// `codeErrno` serves when the resolver reports a system error.
int NumeroResolveur(int codeResolveur, int codeErrno);
QString Texte(int numero);
ErreurSocket Erreur(int numero);
ErreurSocket ErreurSysteme(int codeErrno);

// The numbers that mean the connection is over rather than broken.
constexpr int Arrete = 10058;
constexpr int Interrompue = 10053;
constexpr int Reinitialisee = 10054;
} // namespace TableErreursSocket
