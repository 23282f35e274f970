#pragma once

#include "base/Data.h"

#include <QString>

// The state of the "Escalar Automático" tab that the roster operations set and
// the tab shows: which buttons are visible, the end day typed, which list is
// shown.
struct AbaAutomatica {
    QString Edit1; // "Escalar até: "
    bool Edit1Habilitado = true;
    bool Button6Visivel = true;    // "Verificar"
    bool BPreverVisivel = false;   // "Prever"
    bool BEscalarVisivel = false;  // "Escalar"
    bool BDesfazerVisivel = false; // "Desfazer"
    bool BEscVmEspVisivel = false; // "Escala Vm"
    bool ErrosVisiveis = true;     // ListBox5 shown (else ListBox6)
    bool RadioButton3 = false;     // print "Escala"
    bool RadioButton4 = false;     // print "Erros"
    bool RadioButton7 = false;     // print "Alertas"
    bool QAvisoAuxVisivel = false; // the notice shows only its short reminder
    // The period of the forecast in the listing, as it started: the day after
    // the last roster date and the end day as typed. The listing is printed
    // with it, also after the commit has moved the last roster date.
    Data InicioListagem;
    QString FimListagem;
};
