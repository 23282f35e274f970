#include "GradeTexto.h"

#include <utility>

GradeTexto::GradeTexto(int c, int l)
    : colunas(c), linhas(l), celulas(static_cast<size_t>(c) * l), chaves(static_cast<size_t>(l)) {}

void GradeTexto::Redimensiona(int novasColunas, int novasLinhas) {
    if (novasColunas == colunas && novasLinhas == linhas)
        return;
    std::vector<QString> novas(static_cast<size_t>(novasColunas) * novasLinhas);
    for (int r = 0; r < qMin(linhas, novasLinhas); ++r)
        for (int c = 0; c < qMin(colunas, novasColunas); ++c)
            novas[static_cast<size_t>(r) * novasColunas + c] =
                std::move(celulas[static_cast<size_t>(r) * colunas + c]);
    celulas = std::move(novas);
    colunas = novasColunas;
    linhas = novasLinhas;
    chaves.assign(static_cast<size_t>(linhas), ChaveOrdem());
    indiceValido = false;
}

void GradeTexto::DefineCel(int coluna, int linha, const QString& texto) {
    QString& celula = celulas[static_cast<size_t>(linha) * colunas + coluna];
    if (celula == texto)
        return;
    celula = texto;
    chaves[static_cast<size_t>(linha)].geracao = 0;
    if (coluna == 0)
        indiceValido = false;
}

void GradeTexto::TrocaLinhas(int a, int b) {
    if (a == b)
        return;
    QString* la = &celulas[static_cast<size_t>(a) * colunas];
    QString* lb = &celulas[static_cast<size_t>(b) * colunas];
    for (int c = 0; c < colunas; ++c)
        la[c].swap(lb[c]);
    std::swap(chaves[static_cast<size_t>(a)], chaves[static_cast<size_t>(b)]);
    if (!indiceValido)
        return;
    if (repetidos || a >= primeiraVazia || b >= primeiraVazia) {
        indiceValido = false;
        return;
    }
    indice[la[0]] = a;
    indice[lb[0]] = b;
}

void GradeTexto::Permuta(const std::vector<int>& origem) {
    const int m = static_cast<int>(origem.size()) - 1;
    std::vector<QString> antigas(celulas.begin() + colunas,
                                 celulas.begin() + static_cast<ptrdiff_t>(m + 1) * colunas);
    std::vector<ChaveOrdem> chavesAntigas(chaves.begin() + 1, chaves.begin() + m + 1);
    const bool manterIndice = indiceValido && !repetidos && m < primeiraVazia;
    for (int i = 1; i <= m; ++i) {
        const int o = origem[static_cast<size_t>(i)];
        if (o == i)
            continue;
        for (int c = 0; c < colunas; ++c)
            celulas[static_cast<size_t>(i) * colunas + c] =
                std::move(antigas[static_cast<size_t>(o - 1) * colunas + c]);
        chaves[static_cast<size_t>(i)] = chavesAntigas[static_cast<size_t>(o - 1)];
        if (manterIndice)
            indice[Cel(0, i)] = i;
    }
    if (!manterIndice)
        indiceValido = false;
}

void GradeTexto::Reindexa() const {
    indice.clear();
    repetidos = false;
    int r = 1;
    for (; r < linhas; ++r) {
        const QString& num = Cel(0, r);
        if (num.isEmpty())
            break;
        if (indice.contains(num))
            repetidos = true;
        else
            indice.insert(num, r);
    }
    primeiraVazia = r;
    indiceValido = true;
}

int GradeTexto::PrimeiraVazia() const {
    if (!indiceValido)
        Reindexa();
    return primeiraVazia;
}

int GradeTexto::LinhaDe(const QString& num) const {
    if (!indiceValido)
        Reindexa();
    return indice.value(num, 0);
}

bool GradeTexto::TemRepetidos() const {
    if (!indiceValido)
        Reindexa();
    return repetidos;
}
