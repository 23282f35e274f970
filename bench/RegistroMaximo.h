#pragma once

#include "base/Relogio.h"
#include "model/Sistema.h"

#include <QTemporaryDir>
#include <memory>

// Dialogs answered without a screen: notices are counted, questions get Yes.
class DialogosBench : public Dialogos {
public:
    void Aviso(const QString&) override { ++avisos; }
    bool Confirma(const QString&) override { return true; }
    std::optional<QString> Pergunta(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    int avisos = 0;
};

// A register of the maximum size in a temporary folder: 30 duties, 1000 persons,
// 500 members in every rotation, 10000 history rows, a red-day list and a
// roster period of a year. The last roster date is the day before hoje.
class RegistroMaximo {
public:
    RegistroMaximo();
    QTemporaryDir dir;
    RelogioFixo relogio;
    DialogosBench dialogos;
    ImpressoraAusente impressora;
    std::unique_ptr<Sistema> sis;
    Data Hoje() const { return relogio.Hoje(); }
    // Rewrites the tables as they were created (after an operation changed them).
    void Restaura();

private:
    void Grava();
    QList<QVariantList> sv, basico, hist;
    std::vector<QList<QVariantList>> rodizios;
};
