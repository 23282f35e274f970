#pragma once

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
struct Sistema;

// The "Trocas Sv" tab: its two numbered lines open the candidates step
// ("Listar", "Limpar") and the swap step ("Executar"); each forwards to the
// swap workflow and shows what it leaves.
class TFAbaTrocas : public QWidget {
    Q_OBJECT
public:
    // Builds the tab inside area.
    TFAbaTrocas(Sistema& s, QWidget* area);

signals:
    // A swap was recorded: the tables behind the other tabs changed.
    void TrocaFeita();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void AbrePasso1();
    void AbrePasso2();
    void Listar();
    void Limpar();
    void ServicoEscolhido();
    void Executar();
    void MostraComputar(bool mostra);

    Sistema& sis;
    QLabel* label32;
    QLabel* label45;
    QList<QWidget*> passo1;
    QList<QWidget*> passo2;
    QComboBox* comboBox1;
    QLineEdit* edit2;
    QListWidget* listBox3;
    QLineEdit* edit3;
    QLineEdit* edit4;
    QComboBox* comboBox2;
    QLineEdit* edit5;
    QLabel* label50;
    QGroupBox* groupBox1;
    QRadioButton* radioButton1;
    QRadioButton* radioButton2;
};
