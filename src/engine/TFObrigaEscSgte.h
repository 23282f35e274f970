#pragma once

#include "engine/TFInstrucaoEscala.h"

// FObrigaEscSgte, "Forçar Escalação": forces a person onto the lowest selected
// duty on each selected day of the next forecast ("Gravar Registro",
// BGravarReg); closing appends the rest windows to the blocking list.
class TFObrigaEscSgte : public TFInstrucaoEscala {
    Q_OBJECT
public:
    explicit TFObrigaEscSgte(Sistema& s, QWidget* pai = nullptr);
};
