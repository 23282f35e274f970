#include "engine/TFObrigaEscSgte.h"

TFObrigaEscSgte::TFObrigaEscSgte(Sistema& s, QWidget* pai)
    : TFInstrucaoEscala(s,
                        {"FObrigaEscSgte", QStringLiteral("Forçar Escalação"),
                         QStringLiteral("Selecione Um Serviço"),
                         QStringLiteral("Selecione a(s) Data(s)"), "BGravarReg",
                         QStringLiteral("Gravar Registro")},
                        ForcaMilitar, FechaForcado, pai) {}
