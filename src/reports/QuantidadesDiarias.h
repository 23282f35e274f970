#pragma once

#include "Data.h"
#include "GradeTexto.h"

#include <QString>
#include <array>
#include <optional>

struct Sistema;

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

// At program start: the table is to be built, untouched, MatQuant all "x".
void CriaTabelaQuantidades(Sistema& s);
// Activation: builds the table when its flag is 1, then, when touched, puts the
// saved values of MatQuant back into the cells.
void AtivaTabelaQuantidades(Sistema& s);
void ConstroiTabelaQuantidades(Sistema& s);
// Closing ("Continuar" or Esc). A cell that is neither "Sem Sv" nor a whole
// number refuses the closing: the message naming the cell is returned and
// nothing changes. Otherwise the cells are saved into MatQuant, "Sem Sv"
// becomes "0", the black days get 0 in the red phase, and the table counts as
// touched.
std::optional<QString> FechaTabelaQuantidades(Sistema& s);

// The column whose row-0 text is the day text (0 when none).
int ColunaDoDia(const Sistema& s, const QString& diaTexto);
// The row, from 2 up to the first empty one, whose column-0 text is descr (0 when none).
int LinhaDoServico(const Sistema& s, const QString& descr);
