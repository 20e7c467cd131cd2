#pragma once
// How long the client waits for the server at each step of a session, as RFC 5321 (4.5.3.2)
// recommends. Past a limit the server counts as gone: the step fails with
// ErreurDelaiDepasse and the connection is dropped.
#include <chrono>

struct DelaisSMTP {
    using ms = std::chrono::milliseconds;
    // The greeting after the connection.
    ms Accueil = std::chrono::minutes(5);
    ms Mail = std::chrono::minutes(5);
    ms Rcpt = std::chrono::minutes(5);
    // The 354 after DATA.
    ms Data = std::chrono::minutes(2);
    // Each block of the message's text written.
    ms BlocDonnees = std::chrono::minutes(3);
    // The reply after the end-of-data line: the server may check the message before it.
    ms FinDonnees = std::chrono::minutes(10);
    // EHLO, HELO, STARTTLS and its handshake, AUTH, RSET, QUIT.
    ms Autres = std::chrono::minutes(5);
};
