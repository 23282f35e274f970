#pragma once

#include "model/Pessoal.h"

#include <QList>
#include <QString>
#include <vector>

struct Sistema;

// One row of the seniority grid.
struct LinhaAntiguidade {
    QString Num;
    QString PstGrd;
    QString Nome;
    QString Antig; // as typed, at most 4 characters
};

// The seniority screen's work: every registered person in ascending Antig, the
// numbers the operator types, and the ordering that renumbers them 10, 20,
// 30... (9999, not yet ordered, stays) and rewrites Basico in the new order.
class OrdemAntiguidade {
public:
    explicit OrdemAntiguidade(Sistema& s) : sis(s) {}

    // Activation: flags cleared, the persons read from Basico, ascending Antig
    // (equal numbers in stored order).
    void Abre();
    const QList<LinhaAntiguidade>& Linhas() const { return linhas; }
    // The operator typed texto as the Antig of row i (0-based).
    void DefineAntig(int i, const QString& texto);
    bool Modificado() const { return modificado; }

    // "Ordenar Antiguidades". A number that is not a whole number from 0 to
    // 9999 is refused before anything is written.
    void Ordena();
    // Closing: after typed numbers not yet ordered, asks whether to record them
    // and orders on Yes (a refusal of the ordering throws, and the screen
    // stays open).
    void Fecha();

private:
    Sistema& sis;
    QList<LinhaAntiguidade> linhas;
    std::vector<TipoVetBas> registros; // the person of each row
    bool modificado = false;
    bool ordenado = false;
    bool lido = false; // every person was read by Abre
};
