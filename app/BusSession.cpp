// GIO before Qt: its headers use a word that Qt's keywords turn into a macro.
#include <gio/gio.h>

#include "app/BusSession.h"

#include <QStringList>
#include <memory>

namespace {

// The bus names of the keyrings QtKeychain speaks to.
const QStringList kServices = {QStringLiteral("org.freedesktop.secrets"),
                               QStringLiteral("org.kde.kwalletd5"),
                               QStringLiteral("org.kde.kwalletd6")};

struct Liberer {
    void operator()(GDBusConnection* c) const {
        g_dbus_connection_close_sync(c, nullptr, nullptr);
        g_object_unref(c);
    }
};
using Connexion = std::unique_ptr<GDBusConnection, Liberer>;

Connexion Connecter() {
    gchar* adresse = g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (adresse == nullptr)
        return nullptr;
    GDBusConnection* c = g_dbus_connection_new_for_address_sync(
        adresse,
        GDBusConnectionFlags(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                             G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, nullptr);
    g_free(adresse);
    return Connexion(c);
}

// The reply of a method of the bus itself, or null.
GVariant* Appeler(GDBusConnection* c, const char* destination, const char* chemin,
                  const char* interface, const char* methode, GVariant* parametres, int delaiMs) {
    return g_dbus_connection_call_sync(c, destination, chemin, interface, methode, parametres,
                                       nullptr, G_DBUS_CALL_FLAGS_NO_AUTO_START, delaiMs, nullptr,
                                       nullptr);
}

} // namespace

namespace BusSession {

QString ServiceTrousseau(int delaiMs) {
    const Connexion c = Connecter();
    if (!c)
        return {};
    QStringList aLaDemande;
    if (GVariant* r = Appeler(c.get(), "org.freedesktop.DBus", "/org/freedesktop/DBus",
                              "org.freedesktop.DBus", "ListActivatableNames", nullptr, delaiMs)) {
        GVariantIter* noms = nullptr;
        const gchar* nom = nullptr;
        g_variant_get(r, "(as)", &noms);
        while (g_variant_iter_loop(noms, "&s", &nom))
            aLaDemande << QString::fromUtf8(nom);
        g_variant_iter_free(noms);
        g_variant_unref(r);
    } else {
        return {};
    }
    for (const QString& service : kServices) {
        if (aLaDemande.contains(service))
            return service;
        GVariant* r = Appeler(c.get(), "org.freedesktop.DBus", "/org/freedesktop/DBus",
                              "org.freedesktop.DBus", "NameHasOwner",
                              g_variant_new("(s)", service.toUtf8().constData()), delaiMs);
        if (r == nullptr)
            return {};
        gboolean present = FALSE;
        g_variant_get(r, "(b)", &present);
        g_variant_unref(r);
        if (present)
            return service;
    }
    return {};
}

bool Repond(const QString& service, int delaiMs) {
    const Connexion c = Connecter();
    if (!c)
        return false;
    GVariant* r = Appeler(c.get(), service.toUtf8().constData(), "/", "org.freedesktop.DBus.Peer",
                          "Ping", nullptr, delaiMs);
    if (r == nullptr)
        return false;
    g_variant_unref(r);
    return true;
}

} // namespace BusSession
