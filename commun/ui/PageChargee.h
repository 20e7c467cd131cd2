#pragma once
// What the send indicator asks of the page loading: whether the last load passed the checks.
class PageChargee {
public:
    virtual bool PageCorrecte() const = 0;

protected:
    ~PageChargee() = default;
};
