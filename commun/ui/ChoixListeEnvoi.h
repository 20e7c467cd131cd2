#pragma once
// What another page may ask of the list catalogue: read the list files again and make this one
// the list of "Envois Mail".
class QString;

class ChoixListeEnvoi {
public:
    virtual void ChoisirPourEnvoi(const QString& nom) = 0;

protected:
    ~ChoixListeEnvoi() = default;
};
