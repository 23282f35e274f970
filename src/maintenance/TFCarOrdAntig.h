#pragma once

#include "maintenance/Antiguidades.h"

#include <QDialog>

class QTableWidget;
struct Sistema;

// FCarOrdAntig, "Relação das Antiguidades": the operator types seniority
// numbers in the "Antig" column and orders them.
class TFCarOrdAntig : public QDialog {
    Q_OBJECT
public:
    TFCarOrdAntig(Sistema& s, QWidget* pai = nullptr);

    // Closing, however it happens: numbers typed and not ordered are offered
    // for recording; a refused ordering keeps the screen open.
    void done(int resultado) override;

protected:
    // Activation: colours, the persons read in seniority order.
    void showEvent(QShowEvent* evento) override;

private:
    void Mostra();
    void Ordena();

    Sistema& sis;
    OrdemAntiguidade ordem;
    QTableWidget* sgAntiguidade;
    bool preenchendo = false;
};
