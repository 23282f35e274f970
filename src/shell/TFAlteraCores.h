#pragma once

#include <QDialog>
#include <array>

class QFrame;
class QLineEdit;
struct Sistema;

// FAlteraCores, "Painel para alteração de cores": the 13 colour slots as
// swatches, the swap of a basic colour with a substitute and the original
// colours. Closing it rewrites ArqCores.Txt.
class TFAlteraCores : public QDialog {
    Q_OBJECT
public:
    explicit TFAlteraCores(Sistema& s, QWidget* pai = nullptr);

    void done(int resultado) override;

signals:
    // The slots changed: the main window takes slot 1 at once.
    void CoresMudaram();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    // Each swatch from its slot, the background from slot 1.
    void PintaAmostras();
    // The same, and the main window told.
    void Pinta();

    Sistema& sis;
    std::array<QFrame*, 14> shapes{};
    QLineEdit* edit1;
    QLineEdit* edit2;
};
