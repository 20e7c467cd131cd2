#pragma once
// The size of a page's message, made as a campaign makes it with the saved settings.
#include "commun/ui/MesureMessage.h"
#include "sending/ui/ServicesEnvoi.h"

class MesureMessageCampagne final : public MesureMessage {
public:
    explicit MesureMessageCampagne(const ServicesEnvoi& services) : s_(services) {}
    Mesure MesurerPage(const QString& editeur) override;

private:
    ServicesEnvoi s_;
};
