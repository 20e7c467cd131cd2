#pragma once
// What the send indicator asks of "Paramètres": whether each server field holds something, as
// typed (saved or not).
class ParametresSaisis {
public:
    virtual bool ParametresRemplis() const = 0;

protected:
    ~ParametresSaisis() = default;
};
