#pragma once

#include "engine/TFInstrucaoEscala.h"

// FForaEscSgte, "Retirar da Escala": takes a person off the selected duties on
// the selected days of the next forecast ("Retirar militar da escala", Button4);
// closing appends the exclusions to the blocking list.
class TFForaEscSgte : public TFInstrucaoEscala {
    Q_OBJECT
public:
    explicit TFForaEscSgte(Sistema& s, QWidget* pai = nullptr);
};
