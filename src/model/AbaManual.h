#pragma once

#include "base/Data.h"
#include "model/GradeTexto.h"

#include <QString>
#include <QStringList>

// The state of the "Escalar Manual" tab that its operations set and the tab
// shows: the end day, the grid, the messages and which controls are visible.
struct AbaManual {
    QString Edit6; // "Escalar até: "
    // The last roster date and the end day the grid was prepared for: column
    // c holds the day UltimaPreparada + c. The verification and the commit
    // work on these days.
    Data UltimaPreparada;
    Data FimPreparado;
    // SGGradeSv: row 0 "." and the days; rows 1.. the duties taking part,
    // column 0 their Descr, columns 1..6 the persons typed, column 10 the
    // duty's number.
    GradeTexto SGGradeSv{11, 31};
    int LinhasGrade = 1; // the rows shown: the duties plus the day row
    // The cell that Edit7 edits.
    int Coluna = 1;
    int Linha = 1;
    QString Edit7;
    // The verification's messages.
    QStringList ListBox4;

    bool Button10Visivel = true;  // "Preparar Grade"
    bool Button11Visivel = false; // "Verificar"
    bool Button12Visivel = false; // "Escalar"
    bool Button14Visivel = false; // "Desfazer"
    bool GradeVisivel = false;    // SGGradeSv and Label57
    bool Edit7Visivel = false;
    bool ListBox4Visivel = false; // and Label55
    bool RadioButton5 = false;    // print "Grade"
    bool RadioButton6 = false;    // print "Mensagens"
};
