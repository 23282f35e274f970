#pragma once

#include "model/TabelaQuantidades.h"

#include <QString>
#include <array>
#include <optional>

struct Sistema;

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
