#pragma once

#include <QDialog>

class QTableWidget;
struct Sistema;

// FModelosPstGrd, "Modelos de escrita  dos Postos e Graduações": the rank
// models table for editing, read at activation and written, with PstGrd.Txt,
// whenever it closes.
class TFModelosPstGrd : public QDialog {
    Q_OBJECT
public:
    explicit TFModelosPstGrd(Sistema& s, QWidget* pai = nullptr);

    // Closing, by "Sair" or by the window's own close: the table and the rank
    // list are written.
    void done(int resultado) override;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void MostraModelos();

    Sistema& sis;
    QTableWidget* sGModelos;
    bool lido = false; // the activation read the file: what the grid holds is the table
};
