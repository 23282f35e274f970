#pragma once

#include <QDialog>

class QTableWidget;
struct Sistema;

// FQuantMilSvDia, "Quantidades de  Militares nos Serviços": shows the daily
// quantity table of the roster period and lets the operator change its cells.
// "Continuar", Esc and the close box all close it through the closing rules; a
// cell that is not a whole number keeps it open.
class TFQuantMilSvDia : public QDialog {
    Q_OBJECT
public:
    explicit TFQuantMilSvDia(Sistema& s, QWidget* pai = nullptr);

    // Activation then closing, without waiting for the operator (the table was
    // built earlier in the roster cycle). Should the closing be refused, the
    // screen is shown modally so that the cell can be corrected.
    void MostraEFecha();

public slots:
    // Esc closes like "Continuar".
    void reject() override;

protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Ativa();
    // The closing rules; false (the message shown) when a cell is refused.
    bool Fecha();
    void MostraTabela();
    // Columns and rows sized to their texts, the window to the table.
    void AjustaAoConteudo();

    Sistema& sis;
    QTableWidget* grade;
};
