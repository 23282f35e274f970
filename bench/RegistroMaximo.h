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

// A register of the maximum size in a temporary folder: 30 duties, 1000 persons
// (79 of them away or about to be, "R" and "P"), 500 members in every rotation
// (each person in 15 duties), a history nearly full (9000 rows), weekends as red
// days and a roster period of more than a year. The last roster date is the day
// before hoje.
class RegistroMaximo {
public:
    static constexpr int LinhasHistorico = 9000;
    // In a temporary folder, or in pasta (which must not exist yet) to keep it.
    explicit RegistroMaximo(const QString& pasta = QString());
    QTemporaryDir temporaria;
    const QString pasta;
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
