#include "engine/TFEscVmEsp.h"

#include "engine/PrevisaoVermelha.h"
#include "model/Sistema.h"

#include <QLabel>

TFEscVmEsp::TFEscVmEsp(Sistema& s, QWidget* pai)
    : TFEscolhaVm(s,
                  {"FEscVmEsp", QStringLiteral("Montar as Escalas Vermelhas Antes?"), "SGEscVmEsp",
                   "Button1"},
                  s.SGEscVmEsp, pai) {
    auto* aviso = new QLabel(QStringLiteral("AVISO:"), this);
    aviso->setObjectName(QStringLiteral("Label1"));
    Acrescenta(aviso, true);
}

void TFEscVmEsp::Prepara() {
    AbreEscolhaVmEsp(sis);
}

void TFEscVmEsp::Marcou() {
    sis.EscolhaVmEditada = true;
}

void TFEscVmEsp::done(int resultado) {
    FechaEscolhaVmEsp(sis);
    QDialog::done(resultado);
}
