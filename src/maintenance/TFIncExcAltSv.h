#pragma once

#include "maintenance/CadastroServicos.h"

#include <QDialog>
#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct Sistema;

// FIncExcAltSv, "Cadastro dos Serviços": includes, removes and alters the
// duties, and paints the list of the 30 codes beside the form.
class TFIncExcAltSv : public QDialog {
    Q_OBJECT
public:
    TFIncExcAltSv(Sistema& s, QWidget* pai = nullptr);

    ModoServico Modo() const;

protected:
    // Activation: colours, duties reloaded, the form at rest.
    void showEvent(QShowEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void EscolheModo(ModoServico modo);
    void CodigoAlterado();
    void SaiQuantidade();
    void Grava();
    void Limpa();
    // Clears the edits and disables them with their labels.
    void LimpaCampos();
    void DesmarcaModos();
    void Mostra(const CamposServico& c);
    CamposServico Campos() const;
    int ItemTipo() const;
    void DefineItemTipo(int item);

    Sistema& sis;
    QGroupBox* radioGroup1;
    std::array<QRadioButton*, 3> modos{};
    QButtonGroup* grupoModos;
    std::array<QLineEdit*, 8> edits{}; // Edit1..Edit7
    std::array<QLabel*, 8> rotulos{};  // the label of each edit
    QGroupBox* rgTipoSv;
    std::array<QRadioButton*, 3> tipos{};
    QPushButton* button1;
    QPushButton* button2;
    QWidget* areaRelacao;
};
