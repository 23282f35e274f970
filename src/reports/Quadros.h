#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

class Impressora;
struct Sistema;

// A board of the two query screens: one heading row, then one row per person
// with the person number in column 0 and one column per duty from column 1.
struct Quadro {
    struct Linha {
        QStringList Cel; // columns 0..Colunas()-1
        // The person row belongs to the narrowed view (column 31 of the grid).
        bool Marca = true;
    };
    QStringList Cabecalho; // column 0 empty
    std::vector<Linha> Linhas;
    // The duty columns are 1..Servicos; after them the count board has "SOMA".
    int Servicos = 0;

    int Colunas() const { return int(Cabecalho.size()); }
    // A board of the given columns and no person rows.
    static Quadro Vazio(int colunas);
    Linha& NovaLinha(const QString& num);
};

// --- FQuadroSv, the duty count board ---

// The count board ("Quadro dos Serviços"): the period and kind typed, the full
// board of the last count and the board narrowed from it.
struct QuadroServicos {
    QString Edit1; // "De:"
    QString Edit2; // "Até:"
    // "Pt" ("Preta"), "Vm" ("Vermelha") or empty ("Ambas").
    QString Escala;
    // "Pesquisar" is enabled; a count disables it until a period or kind
    // control is clicked.
    bool ExecutarHabilitado = true;
    // Before the first count: the heading row of 20 empty columns.
    Quadro SGQuadroSv = Quadro::Vazio(20);
    Quadro SGQuadroSvAux = Quadro::Vazio(20);
    bool AuxVisivel = false;
    // The duty columns a narrowing keeps: every column after a count, the
    // columns of the duties chosen by the last "Serviços" after it.
    bool TodosServicos = true;
    QSet<QString> DescrEscolhidas;

    const Quadro& Visivel() const { return AuxVisivel ? SGQuadroSvAux : SGQuadroSv; }
};

// The column of "SOMA": 19 while the duties fit in columns 1 to 18, otherwise
// the one after the last duty column.
int ColunaSoma(int colunasServico);

// Activation: the period 01/01/yy to 31/12/yy of this year, "Pesquisar" enabled.
void AtivaQuadroServicos(Sistema& s, QuadroServicos& q);
// "Pesquisar": for the period and kind, how many duties of each kind every
// person took (a number standing twice in one record counts once), "0" where
// he competes for a duty and took none, one row for every registered person
// and every number found in the history, the duty columns packed to the left
// in duty order, the rows in number order, and the totals. A field that is not
// a date is refused with its text and " >>> Data inválida", the board as it was.
void ContaServicos(Sistema& s, QuadroServicos& q);
// "Número, Nome ou Posto": the rows of the numbers given (every row when none
// is), with the duty columns still chosen, and their totals.
void SeparaPorMilitares(QuadroServicos& q, const QStringList& numeros);
// "Serviços", after the chooser marked its duties (Sel "S" in VetSv): the
// persons still chosen, the columns of the chosen duties, only the rows with a
// value under one of them, and their totals.
void SeparaPorServicos(Sistema& s, QuadroServicos& q);
// "Voltar Pesquisa": the full board again, every person row chosen.
void VoltaPesquisa(QuadroServicos& q);
// Writes each person row's total of its duty cells into the "SOMA" column.
void CalculaTotais(Quadro& quadro);

// --- FQuadroEscalas, the service membership board ---

// The membership board: "S" where a person stands in a defined duty's roster,
// and the board narrowed to chosen duties.
struct QuadroEscalas {
    Quadro SGQuadroEscalas;
    Quadro SGQuadroEscalasAux;
    bool AuxVisivel = false;

    const Quadro& Visivel() const { return AuxVisivel ? SGQuadroEscalasAux : SGQuadroEscalas; }
};

// The board for the persons of VetBas whose numbers are given (every person of
// VetBas at activation), reloaded from the main database: one column per
// defined duty in duty order, "S" where the person stands in its roster, the
// rows in number order. A row is marked when the person stands in some roster.
void PreencheQuadroEscalas(Sistema& s, QuadroEscalas& q, const QStringList& numeros);
void PreencheQuadroEscalas(Sistema& s, QuadroEscalas& q);
// "Serviços", after the chooser marked its duties: the columns of the chosen
// duties and only the persons with "S" under one of them.
void SeparaPorServicos(Sistema& s, QuadroEscalas& q);
// "Voltar Pesquisa": the board as it stands.
void VoltaPesquisa(QuadroEscalas& q);

// --- Printing ---

// "Imprimir" of both boards, in landscape at the scale of the portrait page:
// the headings of columns 1 to 19 on one line, then the person rows (their
// non-empty cells of columns 0 to 19), one line each. A page that is full goes
// on on a new page under the headings again; columns after the 19th go on on
// pages of their own, each with the person numbers again.
void ImprimeQuadro(Impressora& impressora, const Quadro& quadro);
