#pragma once

#include <QHash>
#include <QString>
#include <cstdint>
#include <vector>

// A grid of texts addressed by column and row, both from 0. The working grids
// of the rotations use columns 0..4 and rows 1..500; row 0 carries no data.
//
// Column 0 is indexed: LinhaDe() finds the first row before the first empty
// row whose column 0 holds a text, without scanning. Every write goes through
// DefineCel() or TrocaLinhas() so that the index and the per-row order keys
// (see OrdenaGrade) stay right.
class GradeTexto {
public:
    GradeTexto(int colunas = 5, int linhas = 501);

    int Colunas() const { return colunas; }
    int Linhas() const { return linhas; }
    // Changes the size; cells inside both sizes keep their text.
    void Redimensiona(int novasColunas, int novasLinhas);

    const QString& Cel(int coluna, int linha) const {
        return celulas[static_cast<size_t>(linha) * colunas + coluna];
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

    // Set when a load could not hold every row of its table; a saver then
    // refuses to write the grid back.
    bool Cortada = false;

    // Order key cached per row (OrdenaGrade): valid while the row is untouched
    // and the same kind and seniority map are used.
    struct ChaveOrdem {
        std::uint64_t valor = 0;
        std::uint64_t geracao = 0; // 0 = not computed
        bool pretas = false;
    };
    ChaveOrdem& Chave(int linha) { return chaves[static_cast<size_t>(linha)]; }

private:
    void Reindexa() const;

    int colunas;
    int linhas;
    std::vector<QString> celulas;
    std::vector<ChaveOrdem> chaves;
    mutable QHash<QString, int> indice;
    mutable int primeiraVazia = 0;
    mutable bool repetidos = false;
    mutable bool indiceValido = false;
};
