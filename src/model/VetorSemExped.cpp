#include "model/VetorSemExped.h"

void VetorSemExped::Define(int i, const QString& texto) {
    if (entradas[static_cast<size_t>(i)] == texto)
        return;
    entradas[static_cast<size_t>(i)] = texto;
    ++versao;
}

void VetorSemExped::Limpa() {
    for (QString& e : entradas)
        e.clear();
    ++versao;
}

int VetorSemExped::Quantidade() const {
    int n = 0;
    while (n < Tamanho && !entradas[static_cast<size_t>(n) + 1].isEmpty())
        ++n;
    return n;
}
