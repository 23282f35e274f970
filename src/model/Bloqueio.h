#pragma once

#include "data/DMGeral.h"

#include <QString>
#include <QStringList>

struct Sistema;

// Why a table may not be written back from what memory holds: its last load
// met rows beyond the capacity, or values the records cannot take as stored
// (an empty or too long number, a duty code outside 1..30 or repeated, a
// number outside the integer range). The loader starts it over and notes each
// finding; every saver of that table refuses while it holds one, so nothing
// stored is dropped or cut. Reading what was loaded goes on.
class Bloqueio {
public:
    void Limpa() { Inicia(QString()); }
    // Starts over for a load of table tabela, named as the operator reads it
    // (NomeParaOperador).
    void Inicia(const QString& tabela) {
        nome = tabela;
        achados.clear();
        remedio.clear();
    }
    const QString& Tabela() const { return nome; }
    // achado reads after "tem": "na linha 12 um número vazio (Num)".
    void Acrescenta(const QString& achado) { achados << achado; }
    // What the operator is told to do, when it is not to mend the row.
    void DefineRemedio(const QString& texto) { remedio = texto; }
    bool Ativo() const { return !achados.isEmpty(); }
    const QStringList& Achados() const { return achados; }
    // What the load tells the operator.
    QString Aviso() const;
    // Throws the refusal of a saver when the table is blocked.
    void RecusaGravar() const;

private:
    // The findings after "tem", one line each when there are several.
    QString Texto() const;
    QString Remedio() const;
    QString nome;
    QStringList achados;
    QString remedio;
};

// The table's name as the operator reads it: "Sv3", or "Sv3 da cópia de
// segurança" for the backup database.
QString NomeParaOperador(Banco banco, const QString& tabela);

// After a load: tells the operator, once in the run, of the findings of b; a
// table found whole again is forgotten, so that new damage is told.
void AvisaBloqueio(Sistema& s, const Bloqueio& b);

// An integer field for a loader. A value that is not a whole number of the
// int range is noted in b as a finding of row linha (campo names the field)
// and read as the nearest int (0 for a text that is no number).
int InteiroDaLinha(const DMGeral::Cursor& t, int indice, const QString& campo, int linha,
                   Bloqueio& b);

// valor + passo for a rotation counter (campo "Pt" or "Vm" of the person num
// in rotation sv); refused when the sum leaves the integer range.
int SomaContador(long long valor, long long passo, const QString& campo, const QString& num,
                 int sv);
