#pragma once

#include <QStringList>
#include <QTextStream>

// The headless roster command, for scripts and unattended rosters:
//   tarvolim-escala [--pasta-dados DIR] [--hoje dd/mm/yyyy] verificar --ate dd/mm/yy
//                   [--vermelha-nao 3,7]
//   ... escalar --ate dd/mm/yy [--vermelha-nao 3,7]
//   ... desfazer --a-partir-de dd/mm/yy [--sim]
//   ... manual --ate dd/mm/yy [--celula COD:dd/mm/yy:"N N" ...] [--escalar]
// It does what an operator does in one program run, prints the forecast, the
// errors, the alerts and every message (for "manual": the grid, the
// verification's lines and every message), and returns the exit code: 0 done,
// 1 "escalar" left slots unfilled (nothing committed), 2 a refusal, 3 an error
// of the store or of a file.
int ExecutaComandoEscala(const QStringList& argumentos, QTextStream& saida,
                         const QString& arquivoAliases);
