#pragma once

#include "model/Bloqueio.h"

#include <QHash>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

// A grid of texts addressed by column and row, both from 0. The working grids
// of the rotations use columns 0..4 and rows 1..500; row 0 carries no data.
//
// Rows are kept in slots and the grid holds the slot of each row, so that
// reordering rows (the rotation order, many times per forecast) moves numbers,
// not texts. Column 0 is indexed: LinhaDe() finds the first row before the
// first empty row whose column 0 holds a text, without scanning. Every write
// goes through DefineCel(), TrocaLinhas() or Permuta() so that the index and
// the per-row order keys (see OrdenaGrade) stay right.
class GradeTexto {
public:
    GradeTexto(int colunas = 5, int linhas = 501);

    int Colunas() const { return colunas; }
    int Linhas() const { return linhas; }
    // Changes the size; cells inside both sizes keep their text.
    void Redimensiona(int novasColunas, int novasLinhas);

    const QString& Cel(int coluna, int linha) const {
        return celulas[static_cast<size_t>(slotDaLinha[static_cast<size_t>(linha)]) * colunas +
                       coluna];
    }
    void DefineCel(int coluna, int linha, const QString& texto);
    // Exchanges the whole rows a and b.
    void TrocaLinhas(int a, int b);
    // Rearranges rows 1..origem.size()-1: row i receives what row origem[i]
    // held (origem[0] is unused).
    void Permuta(const std::vector<int>& origem);

    // The first row from 1 whose column 0 is empty (Linhas() when none is).
    int PrimeiraVazia() const;
    // The first row from 1, before the first empty row, whose column 0 equals
    // num; 0 when there is none.
    int LinhaDe(const QString& num) const;
    // True when some number stands twice before the first empty row.
    bool TemRepetidos() const;

    // What the last load found that the grid cannot hold as the table stores
    // it; while it holds something, a saver refuses to write the grid back.
    Bloqueio Bloqueada;

    // Changes whenever a cell or the order of the rows changes; no two states
    // of any grids share a version.
    std::uint64_t Versao() const { return versao; }
    // The rows the grid was last loaded from whole (CarregaGrade), with the
    // version and the findings it had then: while the version holds, loading
    // the same rows again would give the same grid.
    struct Carga {
        std::shared_ptr<const void> linhas;
        int banco = -1;
        std::uint64_t versao = 0;
        Bloqueio bloqueio;
    };
    Carga UltimaCarga;

    // Order key cached per row and kind (OrdenaGrade): valid while the
    // columns it is made of are untouched and the same seniority map is used.
    struct ChaveOrdem {
        std::uint64_t valor = 0;
        std::uint64_t geracao = 0; // 0 = not computed
    };
    ChaveOrdem& Chave(int linha, bool pretas) {
        auto& c = chaves[static_cast<size_t>(slotDaLinha[static_cast<size_t>(linha)])];
        return pretas ? c.pretas : c.vermelhas;
    }

private:
    QString& Celula(int coluna, int linha) {
        return celulas[static_cast<size_t>(slotDaLinha[static_cast<size_t>(linha)]) * colunas +
                       coluna];
    }
    void Reindexa() const;
    // Rows 1..m were only reordered among themselves.
    void LinhasReordenadas(int maiorLinha);
    void Mudou();

    int colunas;
    int linhas;
    std::uint64_t versao = 0;
    std::vector<QString> celulas; // by slot
    struct ChavesDaLinha {
        ChaveOrdem pretas;    // made of columns 0, 1 and 3
        ChaveOrdem vermelhas; // made of columns 0, 2 and 4
    };
    std::vector<ChavesDaLinha> chaves; // by slot
    std::vector<int> slotDaLinha;
    std::vector<int> linhaDoSlot;
    // Column 0 index: the slot of each number's first row before the first
    // empty row.
    mutable QHash<QString, int> slotDoNum;
    mutable int primeiraVazia = 0;
    mutable bool repetidos = false;
    mutable bool indiceValido = false;
};
