#pragma once
// What the sending pages ask of the loaded list: the addresses a campaign goes to, and whether a
// list command is walking them (the other list commands then wait).
class ListeAdresses;

class ListeEnvoi {
public:
    // In display order.
    virtual const ListeAdresses& Liste() const = 0;
    virtual bool Occupee() const = 0;

protected:
    ~ListeEnvoi() = default;
};
