#include "mail/PartieImage.h"

namespace {
constexpr qsizetype largeur = 76;
}

PartieImage::PartieImage(QString typeContenu, QString identifiant, QString nom,
                         const QByteArray& octets)
    : typeContenu_(std::move(typeContenu)), identifiant_(std::move(identifiant)),
      nom_(std::move(nom)) {
    const QByteArray base64 = octets.toBase64();
    code_.reserve(base64.size() + (base64.size() / largeur + 1) * 2);
    for (qsizetype i = 0; i < base64.size(); i += largeur) {
        code_.append(base64.constData() + i, qMin(largeur, base64.size() - i));
        code_.append("\r\n", 2);
    }
}
