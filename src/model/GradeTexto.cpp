#include "model/GradeTexto.h"

#include <numeric>
#include <utility>

GradeTexto::GradeTexto(int c, int l)
    : colunas(c), linhas(l), celulas(static_cast<size_t>(c) * l), chaves(static_cast<size_t>(l)),
      slotDaLinha(static_cast<size_t>(l)), linhaDoSlot(static_cast<size_t>(l)) {
    std::iota(slotDaLinha.begin(), slotDaLinha.end(), 0);
    std::iota(linhaDoSlot.begin(), linhaDoSlot.end(), 0);
}

void GradeTexto::Mudou() {
    static std::uint64_t ultima = 0;
    versao = ++ultima;
}

void GradeTexto::Redimensiona(int novasColunas, int novasLinhas) {
    if (novasColunas == colunas && novasLinhas == linhas)
        return;
    GradeTexto nova(novasColunas, novasLinhas);
    for (int r = 0; r < qMin(linhas, novasLinhas); ++r)
        for (int c = 0; c < qMin(colunas, novasColunas); ++c)
            nova.Celula(c, r) = std::move(Celula(c, r));
    nova.Bloqueada = Bloqueada;
    *this = std::move(nova);
    Mudou();
}

void GradeTexto::DefineCel(int coluna, int linha, const QString& texto) {
    QString& celula = Celula(coluna, linha);
    if (celula == texto)
        return;
    celula = texto;
    Mudou();
    auto& c = chaves[static_cast<size_t>(slotDaLinha[static_cast<size_t>(linha)])];
    if (coluna == 0 || coluna == 1 || coluna == 3)
        c.pretas.geracao = 0;
    if (coluna == 0 || coluna == 2 || coluna == 4)
        c.vermelhas.geracao = 0;
    if (coluna == 0)
        indiceValido = false;
}

void GradeTexto::LinhasReordenadas(int maiorLinha) {
    // The numbers before the first empty row are the same; with no number
    // twice, each keeps its slot and the index stays right.
    if (indiceValido && (repetidos || maiorLinha >= primeiraVazia))
        indiceValido = false;
}

void GradeTexto::TrocaLinhas(int a, int b) {
    if (a == b)
        return;
    std::swap(slotDaLinha[static_cast<size_t>(a)], slotDaLinha[static_cast<size_t>(b)]);
    linhaDoSlot[static_cast<size_t>(slotDaLinha[static_cast<size_t>(a)])] = a;
    linhaDoSlot[static_cast<size_t>(slotDaLinha[static_cast<size_t>(b)])] = b;
    Mudou();
    LinhasReordenadas(qMax(a, b));
}

void GradeTexto::Permuta(const std::vector<int>& origem) {
    const int m = static_cast<int>(origem.size()) - 1;
    std::vector<int> novos(static_cast<size_t>(m) + 1);
    for (int i = 1; i <= m; ++i)
        novos[static_cast<size_t>(i)] = slotDaLinha[static_cast<size_t>(origem[i])];
    for (int i = 1; i <= m; ++i) {
        slotDaLinha[static_cast<size_t>(i)] = novos[static_cast<size_t>(i)];
        linhaDoSlot[static_cast<size_t>(novos[static_cast<size_t>(i)])] = i;
    }
    Mudou();
    LinhasReordenadas(m);
}

void GradeTexto::Reindexa() const {
    slotDoNum.clear();
    repetidos = false;
    int r = 1;
    for (; r < linhas; ++r) {
        const QString& num = Cel(0, r);
        if (num.isEmpty())
            break;
        if (slotDoNum.contains(num))
            repetidos = true;
        else
            slotDoNum.insert(num, slotDaLinha[static_cast<size_t>(r)]);
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
    const auto it = slotDoNum.constFind(num);
    return it == slotDoNum.constEnd() ? 0 : linhaDoSlot[static_cast<size_t>(*it)];
}

bool GradeTexto::TemRepetidos() const {
    if (!indiceValido)
        Reindexa();
    return repetidos;
}
