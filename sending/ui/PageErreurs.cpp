#include "sending/ui/PageErreurs.h"

#include "app/ui/TForm1.h"

#include <QListWidget>
#include <QPushButton>

PageErreurs::PageErreurs(TForm1& f) : f_(f) {
    f.Relier(f.ListBoxErrAdresse, &QListWidget::itemClicked, [this] { ListBoxErrAdresseClick(); });
    f.Relier(f.ListBoxErrAdresse, &QListWidget::itemDoubleClicked, [this] { ListBoxErrAdresseDblClick(); });
    f.Relier(f.SpeedButton1, &QPushButton::clicked, [this] { SpeedButton1Click(); });
}

void PageErreurs::ListBoxErrAdresseClick() {}

void PageErreurs::ListBoxErrAdresseDblClick() {}

void PageErreurs::SpeedButton1Click() {}
