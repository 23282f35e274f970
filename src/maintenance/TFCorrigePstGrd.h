#pragma once

#include "maintenance/PostosGraduacoes.h"

#include <QDialog>

class QComboBox;
class QLabel;
struct Sistema;

// FCorrigePstGrd, "Correção de Posto ou Graduação": asks which standard form
// an unrecognised rank spelling stands for. Choosing an item closes it.
class TFCorrigePstGrd : public QDialog, public JanelaCorrigePstGrd {
    Q_OBJECT
public:
    explicit TFCorrigePstGrd(Sistema& s, QWidget* pai = nullptr);

    // Shows the dialog modally with the form in Label2 and the standard forms
    // in ComboBox1.
    std::optional<int> Escolhe(const QString& forma, const QStringList& formas) override;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    Sistema& sis;
    QLabel* label2;
    QComboBox* comboBox1;
    QStringList oferecidas;
    std::optional<int> escolhida;
};
