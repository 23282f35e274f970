#pragma once

#include "base/Data.h"

#include <QString>
#include <functional>

class JanelasEscala;
struct Sistema;

// The "Escalar Manual" tab as one workflow over s.Manual: the operator types
// the persons of up to six days into a grid of duties by days, "Verificar"
// checks them and applies them to the working model, "Escalar" commits them.
// Every check that stops an operation throws Recusa with its message.

// A click in "Escalar até:" or "Desfazer": the tab starts over. Nothing stored
// is touched.
void ReiniciaManual(Sistema& s);
// "Preparar Grade": the checks of the end day, the daily quantity table
// (shown modally), then the grid of the duties by the days.
void PreparaGrade(Sistema& s, JanelasEscala& janelas);
// A click on a cell of the grid: Edit7 edits it.
void SelecionaCelula(Sistema& s, int coluna, int linha);
// The text of a cell, typed in Edit7 or in the grid. A duty cell changed
// after "Verificar" hides "Escalar" until the next verification: the
// working model holds what was verified.
void DefineCelula(Sistema& s, int coluna, int linha, const QString& texto);
// "Verificar": the already-rostered check, completeness, then each typed
// person checked and applied to the working grids and personnel records; the
// lines go to ListBox4, the quantity messages to message boxes (avisando runs
// before each, so that the lines are shown first).
void VerificaGrade(Sistema& s, const std::function<void()>& avisando = {});
// One person typed for the duty of slot sv on dia: the rest and absence
// lines, then (unless absent) the duty recorded and counted.
void VerificaMilitarGrade(Sistema& s, const QString& num, const QString& tipo, int sv, Data dia);
// "Escalar": the history entries of the grid, the rotations, the personnel
// records and the last roster date, all in one transaction.
void EscalaGrade(Sistema& s);
