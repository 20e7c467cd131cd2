#include "page/VerificationBalises.h"

QString BaliseManquante(QStringView texte) {
    for (const QStringView balise : {u"</html>", u"</head>", u"</body>"})
        if (!texte.contains(balise, Qt::CaseSensitive))
            return balise.toString();
    return {};
}
