#pragma once
// The error tab of a campaign: the failed addresses, their reasons, the ".err" file, and a
// list of the failed addresses to send to again.
#include "sending/ResultatEnvoi.h"

#include <QString>

class TForm1;

class PageErreurs {
public:
    explicit PageErreurs(TForm1& f);
    // At the start of a campaign: a new file name, an empty record, the tab hidden.
    void Reinitialiser();
    // Shows failures met by the send worker, in their order.
    void Reporter(const QList<ResultatEnvoi>& echecs);
    // At the end of a campaign: the tab shows when anything failed.
    void Reveler();
    void ListBoxErrAdresseClick();
    void ListBoxErrAdresseDblClick();
    void SpeedButton1Click();
    // Writes a new list of the failed addresses (in their order, each once) and makes it the
    // list of "Envois Mail", ready for another send.
    void SpeedButRenvoyerErreursClick();
    const QString& FichierErreurs() const { return fichierErreurs_; }

private:
    TForm1& f_;
    QString fichierErreurs_;
    QString rapport_;
};
