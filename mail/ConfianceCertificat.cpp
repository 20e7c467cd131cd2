#include "mail/ConfianceCertificat.h"

#include "mail/ErreurSession.h"

namespace ConfianceCertificat {

QString Controler(const CertificatServeur& certificat, const QString& empreinteConnue,
                  const QString& hote, quint16 port) {
    if (certificat.Verifie)
        return QString();
    if (empreinteConnue.isEmpty())
        return certificat.Empreinte;
    if (certificat.Empreinte.compare(empreinteConnue, Qt::CaseInsensitive) == 0)
        return QString();
    throw ErreurSession(
        QStringLiteral("Le certificat du serveur %1 (port %2) a changé depuis la dernière "
                       "connexion et aucune autorité reconnue ne le garantit : la connexion est "
                       "interrompue avant l'envoi de l'identifiant et des messages. Empreinte "
                       "enregistrée : %3. Empreinte présentée : %4. Si ce changement est "
                       "attendu, oubliez l'empreinte dans « Paramètres ».")
            .arg(hote)
            .arg(port)
            .arg(empreinteConnue, certificat.Empreinte));
}

} // namespace ConfianceCertificat
