#pragma once

#include "support/AmbienteTeste.h"

#include <QStringList>
#include <functional>

// The cases of the "Escalar Manual" tab, run once through the real tab and
// once through "tarvolim-escala manual": each builds its register (on the
// small register of ApoioEscala), types the end day and the cells, prepares
// the grid and verifies it.
struct CasoManual {
    const char* nome;
    std::function<void(AmbienteTeste&)> registro;
    QString ate;
    // "COD:dd/mm/yy:numbers", as the command line takes them.
    QStringList celulas;
    // The grid after the verification: the day row, then each duty row,
    // cells joined by " | " (not checked when empty).
    QStringList grade;
    QStringList verificacao; // the lines of ListBox4
    QStringList mensagens;   // every message box, in order
    bool recusado = false;   // a message stopped the preparation or the verification
};

const QList<CasoManual>& CasosManual();
// The cells of a whole grid from 11/03/24 on: one list of numbers per duty,
// one number (or text) per day.
QStringList CelulasDaGrade(const QList<QStringList>& porServico);
