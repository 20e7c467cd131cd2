#include "page/ui/ChargementPage.h"

#include "app/ui/TForm1.h"

#include <QPushButton>

ChargementPage::ChargementPage(TForm1& f) : f_(f) {
    f.Relier(f.SpeedButton2, &QPushButton::clicked, [this] { SpeedButton2Click(); });
    f.Relier(f.SpeedButCharger, &QPushButton::clicked, [this] { SpeedButChargerClick(); });
}

void ChargementPage::SpeedButton2Click() {}

void ChargementPage::SpeedButChargerClick() {}
