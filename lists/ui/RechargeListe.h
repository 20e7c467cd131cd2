#pragma once
// The one thing the list editor asks of the list catalogue page: load again the list the
// selector shows.
class RechargeListe {
public:
    // A save keeps its own message on the status line (`annoncer` false); otherwise the count
    // of addresses loaded is told.
    virtual void Charger(bool annoncer) = 0;

protected:
    ~RechargeListe() = default;
};
