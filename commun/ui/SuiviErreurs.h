#pragma once
// What a campaign tells the error tab: it begins, these addresses failed, it ended.
#include "sending/ResultatEnvoi.h"

#include <QList>

class SuiviErreurs {
public:
    // A new file name, an empty record, the tab hidden.
    virtual void Reinitialiser() = 0;
    // Failures met by the send worker, in their order.
    virtual void Reporter(const QList<ResultatEnvoi>& echecs) = 0;
    // The tab shows when anything failed.
    virtual void Reveler() = 0;

protected:
    ~SuiviErreurs() = default;
};
