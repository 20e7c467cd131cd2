#include "lists/SuppressionDoublons.h"
#include "lists/FichierListe.h"
#include "lists/ListeAdresses.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Bilan {
    QStringList restants;
    int supprimees = 0;
    std::vector<std::uint32_t> vues; // items reached when the view is to follow
};

Bilan Derouler(ListeAdresses& l) {
    Bilan b;
    SuppressionDoublons s(l);
    while (!s.Fini()) {
        s.Etape();
        if (s.SuivreVue() && !s.Fini())
            b.vues.push_back(l.Id(s.Position()));
    }
    b.supprimees = s.Supprimees();
    for (int i = 0; i < l.Nombre(); ++i)
        b.restants.append(l.Texte(i).toString());
    return b;
}

} // namespace

TEST(SuppressionDoublons, CentVingtCopies) {
    ListeAdresses l;
    for (int i = 0; i < 120; ++i)
        l.Ajouter(u"a@b.fr", 0, 0);
    const auto premier = l.Id(0);
    const std::vector<std::uint32_t> attendues = {l.Id(52), l.Id(103)};
    const Bilan b = Derouler(l);
    EXPECT_EQ(b.restants, QStringList({"a@b.fr"}));
    EXPECT_EQ(l.Id(0), premier) << "the first of a run stays";
    EXPECT_EQ(b.supprimees, 119);
    // After the 51st removal the walk stands on the 53rd copy, after the 102nd on the 104th.
    EXPECT_EQ(b.vues, attendues);
}

TEST(SuppressionDoublons, CasEtVoisinage) {
    const struct {
        const char16_t* texte;
        QStringList restants;
        int supprimees;
    } cas[] = {
        {u"a\r\nA\r\na", {"a", "A", "a"}, 0},
        {u"a\r\na\r\nb\r\nb\r\nb\r\na", {"a", "b", "a"}, 3},
        {u"a\r\n\tx\r\na\r\n\ty\r\nb", {"a", "x", "a", "y", "b"}, 0},
        {u"a\r\n\ta\r\n\t\tc\r\nd", {"a", "d"}, 1},
        {u"", {}, 0},
    };
    for (const auto& c : cas) {
        ListeAdresses l;
        FichierListe::Lire(QStringView(c.texte), l);
        const Bilan b = Derouler(l);
        EXPECT_EQ(b.restants, c.restants) << QString::fromUtf16(c.texte).toStdString();
        EXPECT_EQ(b.supprimees, c.supprimees);
    }
}
