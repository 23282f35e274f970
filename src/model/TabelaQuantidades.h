#pragma once

#include "base/Data.h"
#include "model/GradeTexto.h"

#include <array>

// The daily quantity table SGQuantMilSvDia: row 0 the period's days
// ("dd/mm/yy"), row 1 their weekday (red days between " * " marks), column 0
// from row 2 the duties taking part, each cell the persons that duty needs that
// day. The forecast reads it; the screen FQuantMilSvDia shows and edits it.
struct TabelaQuantidades {
    GradeTexto SGQuantMilSvDia{1, 2};
    // 1: build the table at the next activation; 2: built.
    int TabelaConstruida = 1;
    // The operator touched the table (or closed it) in this roster cycle.
    bool Tocada = false;
    // The period: the last roster date S and the end day E.
    Data UltimaEscala;
    Data FimPeriodo;
    // Duties taking part in the forecast, slots 1..30.
    std::array<bool, 31> Participa{};
    // Set while the red phase shows the table: black days of the period get 0.
    bool FaseVermelha = false;

    int Dias() const { return SGQuantMilSvDia.Colunas() - 1; }
    int UltimaLinha() const { return SGQuantMilSvDia.Linhas() - 1; }
};
