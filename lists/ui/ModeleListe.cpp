#include "lists/ui/ModeleListe.h"

#include <QScopeGuard>

#include <QHash>

ModeleListe::ModeleListe(QIcon image0, QIcon image1, QObject* parent)
    : QAbstractItemModel(parent), images_{std::move(image0), std::move(image1)} {}

void ModeleListe::Structurer() {
    parents_.clear();
    lignes_.clear();
    debutEnfants_.clear();
    enfants_.clear();
    if (!liste_.Imbriquee())
        return;
    const int n = liste_.Nombre();
    parents_.resize(static_cast<std::size_t>(n));
    lignes_.resize(static_cast<std::size_t>(n));
    std::vector<int> nombre(static_cast<std::size_t>(n) + 1, 0);
    std::vector<int> ouverts; // the chain of ancestors of the current item
    for (int i = 0; i < n; ++i) {
        while (!ouverts.empty() && liste_.Niveau(ouverts.back()) >= liste_.Niveau(i))
            ouverts.pop_back();
        const int p = ouverts.empty() ? -1 : ouverts.back();
        parents_[static_cast<std::size_t>(i)] = p;
        lignes_[static_cast<std::size_t>(i)] = nombre[static_cast<std::size_t>(p + 1)]++;
        ouverts.push_back(i);
    }
    debutEnfants_.resize(static_cast<std::size_t>(n) + 2, 0);
    for (int p = 0; p <= n; ++p)
        debutEnfants_[static_cast<std::size_t>(p) + 1] =
            debutEnfants_[static_cast<std::size_t>(p)] + nombre[static_cast<std::size_t>(p)];
    enfants_.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const auto p = static_cast<std::size_t>(parents_[static_cast<std::size_t>(i)] + 1);
        enfants_[static_cast<std::size_t>(debutEnfants_[p] +
                                          lignes_[static_cast<std::size_t>(i)])] = i;
    }
}

int ModeleListe::Ligne(int position) const {
    return liste_.Imbriquee() ? lignes_[static_cast<std::size_t>(position)] : position;
}

int ModeleListe::NombreEnfants(int parent) const {
    if (!liste_.Imbriquee())
        return parent < 0 ? liste_.Nombre() : 0;
    const auto p = static_cast<std::size_t>(parent + 1);
    return debutEnfants_[p + 1] - debutEnfants_[p];
}

int ModeleListe::Enfant(int parent, int ligne) const {
    if (!liste_.Imbriquee())
        return ligne;
    return enfants_[static_cast<std::size_t>(debutEnfants_[static_cast<std::size_t>(parent + 1)] +
                                             ligne)];
}

QModelIndex ModeleListe::Index(int position) const {
    if (position < 0 || position >= liste_.Nombre())
        return {};
    const int parent = liste_.Imbriquee() ? parents_[static_cast<std::size_t>(position)] : -1;
    return createIndex(Ligne(position), 0, static_cast<quintptr>(parent + 1));
}

int ModeleListe::Position(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return -1;
    const int parent = static_cast<int>(index.internalId()) - 1;
    if (parent >= liste_.Nombre() || index.row() >= NombreEnfants(parent))
        return -1;
    return Enfant(parent, index.row());
}

QModelIndex ModeleListe::index(int row, int column, const QModelIndex& parent) const {
    const int p = parent.isValid() ? Position(parent) : -1;
    if (column != 0 || row < 0 || row >= NombreEnfants(p))
        return {};
    return createIndex(row, 0, static_cast<quintptr>(p + 1));
}

QModelIndex ModeleListe::parent(const QModelIndex& index) const {
    if (!index.isValid() || index.internalId() == 0)
        return {};
    return Index(static_cast<int>(index.internalId()) - 1);
}

int ModeleListe::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    return NombreEnfants(parent.isValid() ? Position(parent) : -1);
}

int ModeleListe::columnCount(const QModelIndex&) const {
    return 1;
}

bool ModeleListe::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

QVariant ModeleListe::data(const QModelIndex& index, int role) const {
    const int position = Position(index);
    if (position < 0)
        return {};
    if (role == Qt::DisplayRole)
        return liste_.Texte(position).toString();
    if (role == Qt::DecorationRole)
        return images_[liste_.Image(position) == 0 ? 0 : 1];
    return {};
}

void ModeleListe::Remplacer(const std::function<void(ListeAdresses&)>& construire) {
    beginResetModel();
    const auto fin = qScopeGuard([this] {
        Structurer();
        endResetModel();
    });
    construire(liste_);
}

void ModeleListe::ElementsModifies(int premier, int dernier) {
    for (int i = premier; i <= dernier; ++i) {
        const QModelIndex ix = Index(i);
        emit dataChanged(ix, ix);
    }
}

void ModeleListe::DebutChangement() {
    emit layoutAboutToBeChanged();
    notes_.clear();
    for (const QModelIndex& ix : persistentIndexList()) {
        const int p = Position(ix);
        notes_.push_back({ix, p, p >= 0 ? liste_.Id(p) : 0});
    }
}

void ModeleListe::FinChangement(const NouvellePosition& nouvelle) {
    Structurer();
    QModelIndexList anciens;
    QModelIndexList nouveaux;
    for (const Note& n : notes_) {
        anciens.append(n.index);
        nouveaux.append(n.position < 0 ? QModelIndex() : Index(nouvelle(n.position, n.id)));
    }
    changePersistentIndexList(anciens, nouveaux);
    notes_.clear();
    emit layoutChanged();
}

void ModeleListe::FinChangement() {
    QHash<std::uint32_t, int> positions;
    for (const Note& n : notes_)
        positions.insert(n.id, -1);
    for (int i = 0, n = positions.isEmpty() ? 0 : liste_.Nombre(); i < n; ++i) {
        const auto it = positions.find(liste_.Id(i));
        if (it != positions.end())
            it.value() = i;
    }
    FinChangement([&](int, std::uint32_t id) { return positions.value(id, -1); });
}
