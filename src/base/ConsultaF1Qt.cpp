#include "base/ConsultaF1Qt.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr const char* Propriedade = "tarvolimConsultaF1";
}

void MarcaConsultaF1(QWidget* janela) {
    janela->setProperty(Propriedade, true);
}

bool TemConsultaF1(const QWidget* janela) {
    return janela && janela->property(Propriedade).toBool();
}
