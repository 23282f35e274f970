#include "engine/TFForaEscSgte.h"

TFForaEscSgte::TFForaEscSgte(Sistema& s, QWidget* pai)
    : TFInstrucaoEscala(s,
                        {"FForaEscSgte", QStringLiteral("Retirar da Escala"),
                         QStringLiteral("Serviços: não escalar"),
                         QStringLiteral("Dias: não escalar"), "Button4",
                         QStringLiteral("Retirar militar da escala")},
                        RetiraMilitar, FechaRetirada, pai) {}
