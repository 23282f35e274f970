#pragma once

#include "data/ArquivoTexto.h"

#include <QtGlobal>

struct Sistema;

// A disk with room for a given number of bytes: the writes of the text files
// that go beyond it fail as on a full disk (ENOSPC), the bytes before it are
// written. Handed to the store and the data folder in place of the disk.
class DiscoLimitado {
public:
    explicit DiscoLimitado(qint64 livres) : livres(livres) {}
    ArquivoTexto::AbreGravacao Abre();
    // The store and the data folder of s write through this disk from here on.
    void Instala(Sistema& s);

    qint64 livres;
    int falhas = 0; // writes refused so far
};
