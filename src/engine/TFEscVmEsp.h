#pragma once

#include <QDialog>

class QTableWidget;
struct Sistema;

// FEscVmEsp, "Montar as Escalas Vermelhas Antes?": the red-day choices set
// before a verification. A click marks the choices as the operator's own
// (EscolhaVmEditada), so the verification keeps them; closing, however it
// happens, hands every cell over to the choice grid of FEscVm.
class TFEscVmEsp : public QDialog {
    Q_OBJECT
public:
    explicit TFEscVmEsp(Sistema& s, QWidget* pai = nullptr);

    void done(int resultado) override;

protected:
    // Activation: colours, the grid prepared (AbreEscolhaVmEsp) and shown.
    void showEvent(QShowEvent* evento) override;

private:
    void Clica(int linha, int coluna);

    Sistema& sis;
    QTableWidget* grade;
};
