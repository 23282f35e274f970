#include "Medidas.h"
#include "RegistroMaximo.h"
#include "shell/AtualizaPrincipal.h"

// The data work of one main-window refresh: sibling summaries, load and save
// of every rotation and of the personnel.
REGISTRA_MEDIDA(Atualizacao, QStringLiteral("Atualização da janela principal (dados)"), 150,
                nullptr, [](RegistroMaximo& r) { AtualizaPrincipal(*r.sis, nullptr); })

// One rotation order of a shuffled 500-row grid.
REGISTRA_MEDIDA(
    OrdenaGrade, QStringLiteral("OrdenaGrade de uma escala de 500 linhas"), 1,
    [](RegistroMaximo& r) {
        CarregaVetSv(*r.sis, Banco::Principal);
        CarregaVetBas(*r.sis, Banco::Principal);
        LimpaGrade(r.sis->Grades.GradeSv[1]);
        CarregaGradeSv(*r.sis, r.sis->Grades.GradeSv[1], QStringLiteral("Sv1.DB"),
                       Banco::Principal);
    },
    [](RegistroMaximo& r) { OrdenaGrade(*r.sis, r.sis->Grades.GradeSv[1], QStringLiteral("Pt")); })
