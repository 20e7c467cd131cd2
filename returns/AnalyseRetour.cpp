// GLib's headers come before Qt's: Qt's "signals" keyword would break them.
#include <gmime/gmime.h>

#include "returns/AnalyseRetour.h"

#include <QStringList>
#include <mutex>

namespace {

// Holds one reference of a GObject for its scope.
template <typename T> class Ref {
public:
    explicit Ref(T* objet) : objet_(objet) {}
    ~Ref() {
        if (objet_)
            g_object_unref(objet_);
    }
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    T* get() const { return objet_; }
    explicit operator bool() const { return objet_ != nullptr; }

private:
    T* objet_;
};

void InitialiserGMime() {
    static std::once_flag fait;
    std::call_once(fait, [] { g_mime_init(); });
}

QString Texte(const char* c) {
    return c ? QString::fromUtf8(c).trimmed() : QString();
}

QString Entete(GMimeObject* objet, const char* nom) {
    return Texte(g_mime_object_get_header(objet, nom));
}

// "rfc822; a@b.c" -> "a@b.c": the part after the type.
QString SansType(const QString& valeur) {
    const qsizetype pointVirgule = valeur.indexOf(u';');
    return pointVirgule < 0 ? valeur : valeur.mid(pointVirgule + 1).trimmed();
}

QString SansChevrons(QString identifiant) {
    identifiant = identifiant.trimmed();
    if (identifiant.startsWith(u'<') && identifiant.endsWith(u'>'))
        identifiant = identifiant.mid(1, identifiant.size() - 2);
    return identifiant;
}

bool EstType(GMimeObject* objet, const char* type, const char* sousType) {
    GMimeContentType* t = g_mime_object_get_content_type(objet);
    return t && g_mime_content_type_is_type(t, type, sousType);
}

// The content of a part as the sender meant it (transfer encoding undone); for a part GMime
// reads as an enclosed message, that message's text.
QByteArray Contenu(GMimeObject* objet) {
    Ref<GMimeStream> flux(g_mime_stream_mem_new());
    if (GMIME_IS_PART(objet)) {
        if (GMimeDataWrapper* donnees = g_mime_part_get_content(GMIME_PART(objet)))
            g_mime_data_wrapper_write_to_stream(donnees, flux.get());
    } else {
        g_mime_object_write_content_to_stream(objet, nullptr, flux.get());
    }
    GByteArray* octets = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(flux.get()));
    return QByteArray(reinterpret_cast<const char*>(octets->data), qsizetype(octets->len));
}

// The blocks of header fields of a delivery-status part, one after the other: GMime reads each
// block as the headers of a part whose content is the rest.
QList<DestinataireNotifie> LireChampsNotification(QByteArray reste) {
    QList<DestinataireNotifie> destinataires;
    while (!reste.trimmed().isEmpty()) {
        Ref<GMimeStream> flux(g_mime_stream_mem_new_with_buffer(reste.constData(), reste.size()));
        Ref<GMimeParser> lecteur(g_mime_parser_new_with_stream(flux.get()));
        Ref<GMimeObject> bloc(g_mime_parser_construct_part(lecteur.get(), nullptr));
        if (!bloc)
            break;
        const QString finale = Entete(bloc.get(), "Final-Recipient");
        if (!finale.isEmpty()) {
            const QString original = Entete(bloc.get(), "Original-Recipient");
            destinataires.append({SansType(original.isEmpty() ? finale : original),
                                  Entete(bloc.get(), "Action").toLower(),
                                  Entete(bloc.get(), "Status"),
                                  SansType(Entete(bloc.get(), "Diagnostic-Code"))});
        }
        const QByteArray suite = Contenu(bloc.get());
        // A block GMime cannot take apart would be read again and again.
        if (suite.size() >= reste.size())
            break;
        reste = suite;
    }
    return destinataires;
}

QString IdentifiantRenvoye(GMimeObject* partie) {
    if (GMIME_IS_MESSAGE_PART(partie)) {
        GMimeMessage* renvoye = g_mime_message_part_get_message(GMIME_MESSAGE_PART(partie));
        return renvoye ? SansChevrons(Texte(g_mime_message_get_message_id(renvoye))) : QString();
    }
    // Only the headers came back (text/rfc822-headers).
    const QByteArray entetes = Contenu(partie) + "\r\n\r\n";
    Ref<GMimeStream> flux(g_mime_stream_mem_new_with_buffer(entetes.constData(), entetes.size()));
    Ref<GMimeParser> lecteur(g_mime_parser_new_with_stream(flux.get()));
    Ref<GMimeObject> bloc(g_mime_parser_construct_part(lecteur.get(), nullptr));
    return bloc ? SansChevrons(Entete(bloc.get(), "Message-ID")) : QString();
}

bool LireNotification(GMimeMessage* message, Retour& retour) {
    GMimeObject* corps = g_mime_message_get_mime_part(message);
    if (!corps || !GMIME_IS_MULTIPART(corps) || !EstType(corps, "multipart", "report"))
        return false;
    const QString genre = Texte(
        g_mime_content_type_get_parameter(g_mime_object_get_content_type(corps), "report-type"));
    if (genre.compare(QLatin1String("delivery-status"), Qt::CaseInsensitive) != 0)
        return false;
    GMimeMultipart* parties = GMIME_MULTIPART(corps);
    for (int i = 0, n = g_mime_multipart_get_count(parties); i < n; ++i) {
        GMimeObject* partie = g_mime_multipart_get_part(parties, i);
        if (EstType(partie, "message", "delivery-status") ||
            EstType(partie, "message", "global-delivery-status"))
            retour.Destinataires += LireChampsNotification(Contenu(partie));
        else if (EstType(partie, "message", "rfc822") || EstType(partie, "message", "global") ||
                 EstType(partie, "text", "rfc822-headers"))
            retour.IdentifiantOrigine = IdentifiantRenvoye(partie);
    }
    retour.Genre = GenreRetour::Notification;
    return true;
}

// RFC 3834, and the headers older responders write instead.
bool EstReponseAutomatique(GMimeMessage* message) {
    GMimeObject* objet = GMIME_OBJECT(message);
    const QString soumis = Entete(objet, "Auto-Submitted");
    return (!soumis.isEmpty() && soumis.compare(QLatin1String("no"), Qt::CaseInsensitive) != 0) ||
           !Entete(objet, "X-Autoreply").isEmpty() || !Entete(objet, "X-Autorespond").isEmpty();
}

QStringList Boites(InternetAddressList* liste) {
    QStringList boites;
    for (int i = 0, n = liste ? internet_address_list_length(liste) : 0; i < n; ++i) {
        InternetAddress* a = internet_address_list_get_address(liste, i);
        if (INTERNET_ADDRESS_IS_MAILBOX(a))
            boites << Texte(internet_address_mailbox_get_addr(INTERNET_ADDRESS_MAILBOX(a)));
        else if (INTERNET_ADDRESS_IS_GROUP(a))
            boites += Boites(internet_address_group_get_members(INTERNET_ADDRESS_GROUP(a)));
    }
    return boites;
}

// The addresses the message was delivered to: its To and Cc, and what the receiving server
// wrote of the envelope.
QStringList Destinataires(GMimeMessage* message) {
    QStringList boites = Boites(g_mime_message_get_addresses(message, GMIME_ADDRESS_TYPE_TO)) +
                         Boites(g_mime_message_get_addresses(message, GMIME_ADDRESS_TYPE_CC));
    for (const char* nom : {"Delivered-To", "X-Original-To"}) {
        const char* valeur = g_mime_object_get_header(GMIME_OBJECT(message), nom);
        if (!valeur)
            continue;
        InternetAddressList* liste = internet_address_list_parse(nullptr, valeur);
        boites += Boites(liste);
        if (liste)
            g_object_unref(liste);
    }
    return boites;
}

} // namespace

bool DestinataireNotifie::Definitif() const {
    return Action == QLatin1String("failed") && Statut.startsWith(u'5');
}

bool DestinataireNotifie::Temporaire() const {
    return Action == QLatin1String("delayed") || Statut.startsWith(u'4');
}

Retour AnalyserRetour(const QByteArray& message, const QString& adresseDesinscription) {
    InitialiserGMime();
    Retour retour;
    Ref<GMimeStream> flux(g_mime_stream_mem_new_with_buffer(message.constData(), message.size()));
    Ref<GMimeParser> lecteur(g_mime_parser_new_with_stream(flux.get()));
    Ref<GMimeMessage> lu(g_mime_parser_construct_message(lecteur.get(), nullptr));
    if (!lu)
        return retour;
    // A notification says it was sent automatically too: it is read first.
    if (LireNotification(lu.get(), retour))
        return retour;
    if (EstReponseAutomatique(lu.get())) {
        retour.Genre = GenreRetour::ReponseAutomatique;
        return retour;
    }
    if (!adresseDesinscription.isEmpty() &&
        Destinataires(lu.get()).contains(adresseDesinscription, Qt::CaseInsensitive)) {
        const QStringList de = Boites(g_mime_message_get_from(lu.get()));
        if (!de.isEmpty()) {
            retour.Genre = GenreRetour::Desinscription;
            retour.Demandeur = de.first();
        }
    }
    return retour;
}
