#include "tests/ui/sending/FenetreCampagne.h"

#include "app/CodageMotDePasse.h"
#include "commun/CodageFichier.h"
#include "tests/support/SocketLocale.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <unistd.h>

void EcrireFichiersCampagne(const RepertoireTemporaire& rep, quint16 port,
                            const QStringList& adresses, bool tls, const QString& sujet) {
    rep.Ecrire("page.html", QByteArray("\xEF\xBB\xBF") + FenetreCampagne::kPage);
    rep.Ecrire("test.list", CodageFichier::Coder(adresses.join("\r\n") + "\r\n"));
    const QString ini = QStringLiteral("[Parametres]\r\nSMTPServeur=127.0.0.1\r\nSMTPPort=%1\r\n"
                                       "SMTPUser=jean\r\nSMTPPassword=%2\r\n"
                                       "MailEXP=Lettrova <lettre@exemple.fr>\r\nConnectTlS=%3\r\n"
                                       "ChrgtHtmlAuto=Oui\r\nDernierFichierChargé=%4\r\n"
                                       "ValSujet=%5\r\nListeFav=test.list\r\n"
                                       "VersionAppli=1.0.4.42\r\n")
                            .arg(port)
                            .arg(CodageMotDePasse("secret", kCleMotDePasse))
                            .arg(tls ? "Oui" : "Non", rep.Fichier("page.html"), sujet);
    rep.Ecrire("Lettrova.ini", CodageFichier::Coder(ini));
}

void FenetreCampagne::Preparer(quint16 port, const QStringList& adresses, bool tls,
                               const QString& sujet) {
    EcrireFichiersCampagne(rep, port, adresses, tls, sujet);
    Ouvrir(true);
}

void FenetreCampagne::Envoyer(Scenario s) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->SpeedButEnvoyer->isEnabled(); }, 5000));
    if (!s.question)
        s.question = [this] { Repondre(true); };
    QTimer scenario;
    bool repondu = false, fait = !s.pendant;
    QObject::connect(&scenario, &QTimer::timeout, [&] {
        if (!repondu && f->PanelConfirmeEnvois->isVisible()) {
            repondu = true;
            s.question();
        } else if (repondu && !fait && Statut() == s.quand) {
            fait = true;
            s.pendant();
        }
        // Done: the window's thread is left to sleep as it would without the test.
        if (repondu && fait)
            scenario.stop();
    });
    scenario.start(1);
    QTest::mouseClick(f->SpeedButEnvoyer, Qt::LeftButton);
}

void FenetreCampagne::Envoyer() {
    Envoyer(Scenario{});
}

void FenetreCampagne::Repondre(bool oui) {
    QTest::mouseClick(oui ? f->SpeedButOui : f->SpeedButNon, Qt::LeftButton);
}

QString FenetreCampagne::Statut() const {
    return f->LabStatusInfos->text();
}

QColor FenetreCampagne::CouleurStatut() const {
    return f->LabStatusInfos->palette().color(QPalette::WindowText);
}

QStringList FenetreCampagne::Erreurs() const {
    QStringList l;
    for (int i = 0; i < f->ListBoxErrAdresse->count(); ++i)
        l << f->ListBoxErrAdresse->item(i)->text();
    return l;
}

ServeurMuet::ServeurMuet() {
    fd_ = SocketLocale(port_, SOCK_CLOEXEC);
    ::listen(fd_, 8);
}

ServeurMuet::~ServeurMuet() {
    ::close(fd_);
}
