#pragma once
// The system's reason for a failure, in French: the C library speaks the user's language only
// where its translations are installed, and the interface never shows an English sentence.
#include <QString>

// The reason for the error number `numero` (errno), a capital and no final period, to follow
// the sentence that names the path: "Impossible de créer le fichier "/x/a.list". Permission
// refusée".
QString MessageSysteme(int numero);
