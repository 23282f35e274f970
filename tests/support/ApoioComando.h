#pragma once

#include "support/AmbienteTeste.h"

#include <QStringList>

// One run of the headless roster command on the register of a test.
struct Execucao {
    int codigo = -1;
    QString saida;
    // The lines of a section ("[Grade]") up to the next one.
    QStringList Secao(const QString& titulo) const;
};

// Runs "tarvolim-escala --pasta-dados <folder> --hoje 10/03/2024 <argumentos>"
// on the folder of a, whose own connections are closed for the run and opened
// again afterwards.
Execucao ExecutaComando(AmbienteTeste& a, const QStringList& argumentos);
