#pragma once

#include "data/DMGeral.h"

#include <QList>
#include <QString>
#include <QStringList>

struct Sistema;

// The history search FPesqSv: what the operator typed and chose, the search
// state kept between its events, and the rows found.
struct PesquisaServicos {
    QString Edit1; // "Data Início"
    QString Edit2; // "Data Fim"
    QString Edit3; // "Número ": the person to look for, taken as typed
    // The dates last parsed from Edit1 and Edit2.
    Data Inicio;
    Data Fim;
    // The chosen duties, "1,4,7"; empty when none was chosen.
    QString ListaSv;
    // "Pt" (RadioButton1), "Vm" (RadioButton2) or empty ("Ambas", RadioButton3).
    QString Escala;
    // The rows found, in the order the store returns them.
    QList<LinhaHist> Resultado;
};

// Activation: the default period 01/01/01 to 31/12/99 and the whole history.
void AtivaPesquisa(Sistema& s, PesquisaServicos& p);
// Leaving "Data Início" (inicio) or "Data Fim": the text becomes the start or
// end date. A text that is not a date is refused with its message, and the
// field shows again the date still in force; false then.
bool SaiData(Sistema& s, PesquisaServicos& p, bool inicio);
// A click into "Data Fim": it takes the text of "Data Início".
void EntraDataFim(PesquisaServicos& p);
// "Serviços?", before the chooser opens: the marks cleared, the duties read.
void PreparaEscolhaServicos(Sistema& s);
// After the chooser closed: the duties it marked, ascending, become the list.
void ServicosEscolhidos(const Sistema& s, PesquisaServicos& p);
// The selection of "Pesquisar" for the fields as they stand: the period (its
// two-digit years read as 20yy), the chosen duties, the person standing alone,
// first, in the middle or last of the numbers, and the kind.
FiltroHist FiltroDaPesquisa(const PesquisaServicos& p);
// "Pesquisar": the dates written back as "dd/mm/yy", the history searched,
// then the person, the duties and the kind emptied for the next search.
void Pesquisa(Sistema& s, PesquisaServicos& p);
// The printed lines: the header, a blank line, then each row found (only the
// selected ones when some are selected, by position in Resultado).
QStringList LinhasDaPesquisa(const PesquisaServicos& p, const QList<int>& selecionadas);
// "Imprimir": the question, then the lines on the line printer. False when
// the operator said No.
bool ImprimePesquisa(Sistema& s, const PesquisaServicos& p, const QList<int>& selecionadas);
