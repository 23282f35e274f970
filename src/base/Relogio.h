#pragma once

#include "base/Data.h"

// Today's date, behind an interface so that tests can fix it.
class Relogio {
public:
    virtual ~Relogio() = default;
    virtual Data Hoje() const = 0;
};

class RelogioSistema : public Relogio {
public:
    Data Hoje() const override { return Data::DeQDate(QDate::currentDate()); }
};

class RelogioFixo : public Relogio {
public:
    explicit RelogioFixo(Data hoje) : dia(hoje) {}
    Data Hoje() const override { return dia; }
    void Define(Data hoje) { dia = hoje; }

private:
    Data dia;
};
