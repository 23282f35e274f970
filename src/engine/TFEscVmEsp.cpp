#include "engine/TFEscVmEsp.h"

#include "base/CoresQt.h"
#include "engine/PrevisaoVermelha.h"
#include "engine/TFEscVm.h"
#include "model/Sistema.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

TFEscVmEsp::TFEscVmEsp(Sistema& s, QWidget* pai) : QDialog(pai), sis(s) {
    setObjectName(QStringLiteral("FEscVmEsp"));
    setWindowTitle(QStringLiteral("Montar as Escalas Vermelhas Antes?"));
    setModal(true);

    auto* aviso = new QLabel(QStringLiteral("AVISO:"), this);
    aviso->setObjectName(QStringLiteral("Label1"));
    grade = CriaGradeEscolhaVm(this, "SGEscVmEsp");
    auto* memo1 = CriaMemoOrientacaoVm(this);
    auto* sair = new QPushButton(QStringLiteral("Sair"), this);
    sair->setObjectName(QStringLiteral("Button1"));
    sair->setAutoDefault(false);

    auto* direita = new QVBoxLayout;
    direita->addWidget(aviso);
    direita->addWidget(memo1, 1);
    direita->addWidget(sair, 0, Qt::AlignRight);
    auto* tudo = new QHBoxLayout(this);
    tudo->addWidget(grade);
    tudo->addLayout(direita, 1);
    resize(720, 640);

    connect(grade, &QTableWidget::cellClicked, this, &TFEscVmEsp::Clica);
    connect(sair, &QPushButton::clicked, this, &QDialog::accept);
}

void TFEscVmEsp::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (evento->spontaneous())
        return;
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    AbreEscolhaVmEsp(sis);
    MostraGradeEscolhaVm(grade, sis.SGEscVmEsp);
}

void TFEscVmEsp::done(int resultado) {
    FechaEscolhaVmEsp(sis);
    QDialog::done(resultado);
}

void TFEscVmEsp::Clica(int linha, int coluna) {
    if (!MarcaEscolhaVm(sis.SGEscVmEsp, coluna, linha))
        return;
    sis.EscolhaVmEditada = true;
    MostraGradeEscolhaVm(grade, sis.SGEscVmEsp);
}
