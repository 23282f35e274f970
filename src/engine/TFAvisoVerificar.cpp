#include "engine/TFAvisoVerificar.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>

TFAvisoVerificar::TFAvisoVerificar(QWidget* pai) : QDialog(pai) {
    setObjectName(QStringLiteral("FAvisoVerificar"));
    setWindowTitle(QStringLiteral("                               AVISO:"));
    setModal(false);

    label1 = new QLabel(QStringLiteral("Clicar no botão "), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* label2 = new QLabel(QStringLiteral("VERIFICAR"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    QFont destaque = label2->font();
    destaque.setBold(true);
    label2->setFont(destaque);
    QPalette vermelho = label2->palette();
    vermelho.setColor(QPalette::WindowText, Qt::red);
    label2->setPalette(vermelho);
    auto* label3 = new QLabel(QStringLiteral("(acima)"), this);
    label3->setObjectName(QStringLiteral("Label3"));

    // Small enough to fit, with its title bar, in the band of the wait panel.
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 4, 10, 4);
    layout->addWidget(label1);
    layout->addWidget(label2);
    layout->addWidget(label3);
    layout->addStretch();
}

void TFAvisoVerificar::Mostra(QWidget* botao, const QString& rotulo1) {
    if (!rotulo1.isEmpty())
        label1->setText(rotulo1);
    if (botao)
        move(botao->mapToGlobal(QPoint(0, botao->height())));
    show();
    raise();
    activateWindow();
}

void TFAvisoVerificar::TrazParaFrente() {
    if (isVisible())
        raise();
}

void TFAvisoVerificar::done(int resultado) {
    RotuloPadrao();
    QDialog::done(resultado);
}

void TFAvisoVerificar::closeEvent(QCloseEvent* evento) {
    RotuloPadrao();
    QDialog::closeEvent(evento);
}

void TFAvisoVerificar::RotuloPadrao() {
    label1->setText(QStringLiteral("Clicar no botão"));
}
