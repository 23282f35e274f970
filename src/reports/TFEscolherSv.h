#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QPlainTextEdit;
struct Sistema;

// FEscolherSv, "Escolher Escalas": the operator ticks some of the 30 duties;
// closing marks them (Sel "S") in VetSv, where the caller reads them.
class TFEscolherSv : public QDialog {
    Q_OBJECT
public:
    TFEscolherSv(Sistema& s, QWidget* pai = nullptr);

    // Ticks (or unticks) the box of duty n (1..30) before the chooser is shown.
    void Marca(int n, bool marcado = true);
    // Shows or hides the note that explains the ticks of a person's duties.
    void MostraNota(bool visivel = true);

    // Closing, however it happens: each ticked duty gets Sel "S" ("Selecionar
    // Todos" marks all 30 records), then every box is unticked.
    void done(int resultado) override;

protected:
    // Activation: colours, marks cleared, boxes captioned with the duties.
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    Sistema& sis;
    std::array<QCheckBox*, 32> caixas{}; // 1..30 the duties, 31 "Selecionar Todos"
    QPlainTextEdit* nota;
};
