#include "app/ui/historique/PageHistorique.h"

#include "app/ui/historique/ControlesHistorique.h"
#include "commun/ui/Gestionnaires.h"
#include "commun/ui/ListeImages.h"

#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace {

constexpr int kRoleImage = Qt::UserRole + 1;

struct Entree {
    const char* texte;
    int image; // -1: a version row; 0: a continuation line without picture
};

// Newest version first; each version row is followed by its entries.
const Entree kJournal[] = {
    {"2012.08.26_Version 1.0.4.x", -1},
    {"- ajout d'un gif animé pour visu 'anti freeze' de l'appli lors de l'envoi.", 5},
    {"- Option de retour chariot dans onglet [outils].", 5},
    {"- Ouvrir un fichier HTML ouvre desormais dans le dernier fichier ouvert s'il existe.", 5},
    {"- Option de \"Plein écran\" dans onglet [Outils].", 5},
    {"- Onglet [Erreurs Envois] apparait si des erreurs surviennent pendant l'envois", 5},
    {"- Sujet du message enregistré lors de la fermeture de l'application", 5},
    {"- Cryptage du mot de passe serveur SMTP dans [paramètres]: ...", 13},
    {".. IMPORTANT ! : Renseigner à nouveau votre mot de passe...", 13},
    {".. pour qu'il soit correctement interpreté.", 13},
    {"2012.06.05_Version 1.0.3.x", -1},
    {"- Possibilité d'utiliser des serveurs avec connection sécurisé TLS.", 5},
    {"2012.06.04_Version 1.0.2.x", -1},
    {"- Correction d'un GROS bug de chargement du fichier html contenant la page à incorporer", 6},
    {"2012.06.01_Version 1.0.1.x", -1},
    {"- Bouton [Supprimer Tous les doublons] pour la supression en automatique des doublons "
     "d'adresse.",
     5},
    {"- Fonction d'import d'adresses implanté:", 5},
    {"Formats supportés : Thunderbird(*.LDIF), Text(*.TXT) et Excel(*.CSV).", 0},
    {"- Amélioration de la gestion de liste d'adresse.", 5},
    {"- Amélioration fond Graphique de l'application.", 5},
    {"- Suppression de quelques bugs.", 6},
    {"2012.05.27_Version 1.0.0.x", -1},
    {"- Detection de doublon d'adresse Mail lors de la sauvegarde de la liste.", 5},
    {"- Amélioration Graphique de l'application.", 5},
    {"- Option de recherche dans l'onglet Outil.", 5},
    {"- Correction d'une erreur sur la fonction de recherche d'une adresse mail.", 6},
    {"2012.05.25_Version 0.0.0.x", -1},
    {"- Version BETA3.", 6},
};

class DelegueHistorique : public QStyledItemDelegate {
public:
    DelegueHistorique(const PageHistorique& page, QObject* parent)
        : QStyledItemDelegate(parent), page_(page) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        page_.TreeViewHistoriqueAdvancedCustomDrawItem(*option, index);
    }

private:
    const PageHistorique& page_;
};

} // namespace

PageHistorique::PageHistorique(ControlesHistorique& c, const ListeImages& images,
                               Gestionnaires& gestionnaires)
    : c_(c), images_(images) {
    c.TreeViewHistorique->setItemDelegate(new DelegueHistorique(*this, c.TreeViewHistorique));
    gestionnaires.Relier(c.TreeViewHistorique, &QTreeWidget::currentItemChanged, [this] {
        Selection(c_.TreeViewHistorique->currentItem(), precedent_);
        precedent_ = c_.TreeViewHistorique->currentItem();
    });
}

void PageHistorique::Construire() {
    QTreeWidget* arbre = c_.TreeViewHistorique;
    arbre->clear();
    precedent_ = nullptr;
    QTreeWidgetItem* version = nullptr;
    for (const Entree& e : kJournal) {
        const int image = e.image < 0 ? 4 : e.image;
        auto* noeud = e.image < 0 ? new QTreeWidgetItem(arbre) : new QTreeWidgetItem(version);
        if (e.image < 0)
            version = noeud;
        noeud->setText(0, QString::fromUtf8(e.texte));
        if (image > 0) {
            noeud->setIcon(0, images_.Icone(image));
            noeud->setData(0, kRoleImage, image);
        }
    }
    arbre->topLevelItem(0)->setExpanded(true);
    arbre->expandRecursively(arbre->model()->index(0, 0));
}

int PageHistorique::Image(const QModelIndex& index) {
    const QVariant v = index.data(kRoleImage);
    return v.isValid() ? v.toInt() : -1;
}

void PageHistorique::TreeViewHistoriqueAdvancedCustomDrawItem(QStyleOptionViewItem& option,
                                                              const QModelIndex& index) const {
    const int image = Image(index);
    if (image != 13 && image != 14)
        return;
    const QColor rouge(255, 0, 0);
    option.backgroundBrush = Qt::white;
    option.palette.setColor(QPalette::Text, rouge);
    option.palette.setColor(QPalette::HighlightedText, rouge);
    option.palette.setColor(QPalette::Highlight, Qt::white);
    option.font.setBold(true);
}

void PageHistorique::Selection(QTreeWidgetItem* courant, QTreeWidgetItem* precedent) {
    if (precedent) {
        // The node left behind closes, unless the new one lies inside it.
        bool ancetre = false;
        for (QTreeWidgetItem* p = courant ? courant->parent() : nullptr; p; p = p->parent())
            ancetre = ancetre || p == precedent;
        if (!ancetre)
            precedent->setExpanded(false);
    }
    if (courant)
        courant->setExpanded(true);
}
