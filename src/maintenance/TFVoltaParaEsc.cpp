#include "maintenance/TFVoltaParaEsc.h"

#include "base/ConsultaF1Qt.h"
#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "maintenance/Afastamentos.h"
#include "maintenance/TFQuadroAfastados.h"
#include "model/Sistema.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TFVoltaParaEsc::TFVoltaParaEsc(Sistema& s, QWidget* pai) : QDialog(pai), sis(s) {
    setObjectName(QStringLiteral("FVoltaParaEsc"));
    MarcaConsultaF1(this);
    setWindowTitle(QStringLiteral("Voltar militar para as Escalas"));

    auto* principal = new QHBoxLayout(this);
    auto* esquerda = new QVBoxLayout;
    auto* label1 = new QLabel(QStringLiteral("Número"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    edit1 = new QLineEdit(this);
    edit1->setObjectName(QStringLiteral("Edit1"));
    edit1->setFixedWidth(edit1->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 24);
    esquerda->addWidget(label1);
    esquerda->addWidget(edit1);
    const QStringList textos = {QStringLiteral("Voltar para Escala"), QStringLiteral("Sair"),
                                QStringLiteral("Atualizar Quadro")};
    QList<QPushButton*> botoes;
    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(textos[i], this);
        b->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        b->setAutoDefault(false);
        botoes << b;
    }
    esquerda->addWidget(botoes[0]);
    esquerda->addStretch();
    esquerda->addWidget(botoes[1]);
    esquerda->addWidget(botoes[2]);
    botoes[2]->hide();
    connect(botoes[0], &QPushButton::clicked, this, &TFVoltaParaEsc::Volta);
    connect(botoes[1], &QPushButton::clicked, this, &QDialog::close);
    connect(botoes[2], &QPushButton::clicked, this, &TFVoltaParaEsc::AtualizaQuadro);
    principal->addLayout(esquerda);

    auto* direita = new QVBoxLayout;
    auto* label4 = new QLabel(QStringLiteral("Militares Fora da Escala"), this);
    label4->setObjectName(QStringLiteral("Label4"));
    direita->addWidget(label4);
    sgPessoal = new TFQuadroAfastados(s, this);
    direita->addWidget(sgPessoal);
    principal->addLayout(direita, 1);
}

void TFVoltaParaEsc::showEvent(QShowEvent* evento) {
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    Tenta(sis.dialogos, [&] { CarregaVetBas(sis, Banco::Principal); });
    QDialog::showEvent(evento);
    // The notice of an empty list comes once the screen is painted.
    QTimer::singleShot(0, this, &TFVoltaParaEsc::AtualizaQuadro);
}

void TFVoltaParaEsc::AtualizaQuadro() {
    edit1->clear();
    edit1->setFocus();
    if (!sgPessoal->Mostra())
        sis.dialogos.Aviso(QString::fromUtf8(SemAfastados));
}

void TFVoltaParaEsc::Volta() {
    if (Tenta(sis.dialogos, [&] { VoltaParaEscala(sis, edit1->text()); }))
        AtualizaQuadro();
}
