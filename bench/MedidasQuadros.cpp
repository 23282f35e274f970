#include "Medidas.h"
#include "RegistroMaximo.h"
#include "reports/Quadros.h"

// The duty count board over the whole history (9000 records, 1000 persons,
// the 30 rotations for the zeros), then narrowed to one duty.
REGISTRA_MEDIDA(QuadroServicos, QStringLiteral("ContaServicos (quadro dos serviços)"), 150, nullptr,
                [](RegistroMaximo& r) {
                    QuadroServicos q;
                    q.Edit1 = QStringLiteral("01/01/01");
                    q.Edit2 = QStringLiteral("31/12/49");
                    ContaServicos(*r.sis, q);
                    LimpaSel(*r.sis);
                    r.sis->VetSv[1].Sel = QStringLiteral("S");
                    SeparaPorServicos(*r.sis, q);
                })

// The membership board of every person over the 30 rotations.
REGISTRA_MEDIDA(QuadroEscalas, QStringLiteral("PreencheQuadroEscalas (militares e serviços)"), 100,
                nullptr, [](RegistroMaximo& r) {
                    QuadroEscalas q;
                    PreencheQuadroEscalas(*r.sis, q);
                })
