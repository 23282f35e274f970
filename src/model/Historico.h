#pragma once

#include "data/DMGeral.h"

#include <QString>
#include <array>

struct Sistema;

// One history entry; VetHist holds positions 1..10000, packed from 1; the first
// entry whose Descr is empty ends the history.
struct TipoVetHist {
    Data Dia;
    int CodSv = 0;
    QString Descr; // at most 8 characters
    QString Num;   // at most 136: the numbers of the day's persons, blank-separated
    QString PtVm;  // "Pt" or "Vm"
};

// A blocked-assignment record (VetSgte, VetFora, VetObriga): the person may not
// serve any listed duty on any listed day. Slots 1..30.
struct TipoVetSgte {
    QString Num;
    std::array<int, 31> Sv{};
    std::array<Data, 31> Datas{};
};

// A forced assignment (VetTemQueSer, positions 1..50).
struct TipoVetTemQueSer {
    QString Num;
    int CodSv = 0;
    Data Dia;
    QString Usado; // "N" not yet used in this verification, "S" used
};

inline constexpr int MaxHist = 10000;
inline constexpr int MaxSgte = 1000;
inline constexpr int MaxTemQueSer = 50;
inline constexpr int DiasMatQuant = 366;

// Loads VetHist from table Hist. A table of more than 10000 rows fills the
// array, marks it cut and throws: the history must be purged (item 7).
void CarregaVetHist(Sistema& s, Banco banco);
// To the main database: every entry up to the first empty Descr whose Num is
// not empty. To the backup: reloads from the main database first, then every
// entry up to the first empty Num.
void GravaVetHist(Sistema& s, Banco banco);
// The first position whose Descr is empty (MaxHist + 1 when full).
int PrimeiraHistLivre(const Sistema& s);
// Refuses a roster whose necessarias new entries would not fit in VetHist,
// before anything is computed or written: old entries must be purged (item 7).
void ConfereLugarNoHistorico(const Sistema& s, int necessarias);
// The numbers of a blank-separated list, from its first character up to the
// first empty piece (so a double blank ends the list).
QStringList NumerosDaLista(const QString& lista);

void LimpaVetSgte(Sistema& s);
void LimpaVetFora(Sistema& s);
void LimpaVetObriga(Sistema& s);
// Appends VetFora, then VetObriga, to VetSgte.
void JuntaVetSgte(Sistema& s);
// Copies the records of origem, up to its first empty one, into VetSgte from
// its first free position; stops when VetSgte is full.
void AcrescentaAoVetSgte(Sistema& s, const std::vector<TipoVetSgte>& origem);
// The first free position of a blocked-assignment array (MaxSgte + 1 when full).
int PrimeiraSgteLivre(const std::vector<TipoVetSgte>& vetor);
// The first VetSgte person holding a forced rest window for duty sv that ends
// the day before dia, and who stands in that duty's rotation.
QString ProcuraForcado(Sistema& s, int sv, Data dia);

void GuardaMatQuant(Sistema& s);
void RestauraMatQuant(Sistema& s);
void ZeraMatQuant(Sistema& s);

// The characters of texto from position p (1-based) up to the first blank (or
// comma) at or after p; empty when p is past the end or texto[p] is a blank.
QString PalavraAteEspaco(int p, const QString& texto);
QString PalavraAteVirgula(int p, const QString& texto);
// The last n characters of texto.
QString Direita(const QString& texto, int n);
