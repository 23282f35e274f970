#pragma once

#include <QSet>
#include <QString>
#include <array>
#include <cstdint>

// The in-memory red-day list VetSemExped: entries 1..366, each a date text
// "dd/mm/yy" or empty; after a load the dates are packed from entry 1 in date
// order and the first empty entry ends the list. Writes go through Define() so
// that the readers' cached forms know when to rebuild.
class VetorSemExped {
public:
    static constexpr int Tamanho = 366;

    const QString& operator[](int i) const { return entradas[static_cast<size_t>(i)]; }
    void Define(int i, const QString& texto);
    void Limpa();
    // Entries before the first empty one.
    int Quantidade() const;
    std::uint64_t Versao() const { return versao; }

private:
    std::array<QString, Tamanho + 1> entradas{};
    std::uint64_t versao = 1;
};
