#include "page/ui/ApercuWeb.h"

#include "app/ui/TForm1.h"

#include <QPushButton>

ApercuWeb::ApercuWeb(TForm1& f) : f_(f) {
    f.Relier(f.SpeedButApercuMAil, &QPushButton::clicked, [this] { SpeedButApercuMAilClick(); });
    f.Relier(f.SpeedButFermerApercuWeb, &QPushButton::clicked, [this] { SpeedButFermerApercuWebClick(); });
}

void ApercuWeb::SpeedButApercuMAilClick() {}

void ApercuWeb::SpeedButFermerApercuWebClick() {}
