#include "engine/TFEscVm.h"

#include "engine/PrevisaoVermelha.h"
#include "model/Sistema.h"

#include <QPlainTextEdit>

TFEscVm::TFEscVm(Sistema& s, QWidget* pai)
    : TFEscolhaVm(s, {"FEscVm", QStringLiteral("Escalar Vermelha Antes?"), "SGEscVm", "Button3"},
                  s.SGEscVm, pai) {
    memo2 = new QPlainTextEdit(this);
    memo2->setObjectName(QStringLiteral("Memo2"));
    memo2->setReadOnly(true);
    Acrescenta(memo2, false, 2);
}

void TFEscVm::Prepara() {
    AbreEscolhaVm(sis);
    memo2->setPlainText(sis.Memo2EscVm.join(QLatin1Char('\n')));
}
