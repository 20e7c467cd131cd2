#include "app/ui/apropos/DispositionAPropos.h"

#include "app/ui/apropos/ControlesAPropos.h"
#include "commun/ui/Fabrique.h"
#include "commun/ui/ImagesFenetre.h"
#include "commun/ui/ListeImages.h"

#include <QLabel>
#include <QPlainTextEdit>

using namespace Fabrique;

void DisposerAPropos(QWidget* p, const ImagesFenetre& images, ControlesAPropos& f) {
    auto* logo = Creer<QLabel>(p, "ImageLogo", 16, 12, 48, 48);
    logo->setPixmap(
        images.ImageList1->Image(11).scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    Police(Etiquette(p, "LabelTitre", QStringLiteral("Lettrova"), 76, 14, 300, 24),
           QStringLiteral("Tahoma"), 14, true);
    f.LabelVersion = Etiquette(p, "LabelVersion", QStringLiteral("Version: "), 76, 42, 300, 16);
    f.MemoAPropos = Creer<QPlainTextEdit>(p, "MemoAPropos", 16, 72, 656, 280);
    f.MemoAPropos->setReadOnly(true);
    f.MemoAPropos->setEnabled(false);
    f.MemoAPropos->setLineWrapMode(QPlainTextEdit::NoWrap);
    f.LabelLienInternet = Etiquette(p, "LabelLienInternet", QString(), 16, 366, 656, 16);
    f.LabelLienInternet->setCursor(Qt::PointingHandCursor);
    Couleurs(f.LabelLienInternet, QColor(0, 0, 255));
    QFont souligne = f.LabelLienInternet->font();
    souligne.setUnderline(true);
    f.LabelLienInternet->setFont(souligne);
    f.LabelDossierDonnees = Etiquette(p, "LabelDossierDonnees", QString(), 16, 386, 656, 16);
    f.LabelDossierDonnees->setTextInteractionFlags(Qt::TextSelectableByMouse);
}
