#pragma once

#include "data/CopiaSeguranca.h"

#include <QDialog>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;

// FCopiaSeg: the storage root of the backup and the chooser of another one;
// the change, if any, happens on closing, and then the program ends
// (EncerraPrograma).
class TFCopiaSeg : public QDialog {
    Q_OBJECT
public:
    // amb belongs to the screen that opens this one.
    explicit TFCopiaSeg(CopiaSeguranca::Ambiente& ambiente, QWidget* pai = nullptr);
    bool EncerraPrograma() const { return encerra; }

    // Every way of closing goes through here: the chosen root takes effect.
    void done(int resultado) override;

protected:
    // Colours; the current root, the chooser hidden and filled with the roots
    // present.
    void showEvent(QShowEvent* evento) override;

private:
    void MostraEscolha(bool visivel);

    CopiaSeguranca::Ambiente& amb;
    QString raizAtual;
    QLineEdit* eDrive;
    QFrame* panel2;
    QLabel* label2;
    QComboBox* cbDrive;
    bool encerra = false;
};
