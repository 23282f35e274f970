#include "model/Sistema.h"

Sistema::Sistema(const QString& pastaDados, const QString& pastaBackup, const Relogio& r,
                 Dialogos& d, Impressora& i)
    : relogio(r), dialogos(d), impressora(i), pasta(pastaDados, r), dm(pastaDados, pastaBackup),
      VetBas(1001), VetHist(MaxHist + 1), VetSgte(MaxSgte + 1), VetFora(MaxSgte + 1),
      VetObriga(MaxSgte + 1), MatQuant(DiasMatQuant), MatQuantCopia(DiasMatQuant), VetIrmaos(1001),
      VetIrmaosR(1001) {
    // The daily quantity table starts unbuilt, untouched, with nothing saved.
    for (auto& dia : MatQuant)
        dia.fill(QStringLiteral("x"));
}

std::optional<Data> Sistema::LeData(const QString& texto) const {
    return Data::DeTexto(texto, relogio.Hoje().ParaQDate().year());
}
