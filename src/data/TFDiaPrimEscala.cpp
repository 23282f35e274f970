#include "data/TFDiaPrimEscala.h"

#include "base/CoresQt.h"
#include "base/Relogio.h"
#include "base/Tenta.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFDiaPrimEscala::TFDiaPrimEscala(const Reinicio::Ambiente& ambiente, QWidget* pai)
    : QDialog(pai), amb(ambiente) {
    setObjectName(QStringLiteral("FDiaPrimEscala"));
    setWindowTitle(QStringLiteral("Dia da Primeira Escalação"));
    auto* coluna = new QVBoxLayout(this);
    auto* label1 = new QLabel(QStringLiteral("Entre com o dia da primeira escalação"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    edit1 = new QLineEdit(QStringLiteral("dd/mm/aa"), this);
    edit1->setObjectName(QStringLiteral("Edit1"));
    edit1->setFixedWidth(edit1->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) + 24);
    auto* executar = new QPushButton(QStringLiteral("Confirmar"), this);
    executar->setObjectName(QStringLiteral("BExecutar"));
    auto* sair = new QPushButton(QStringLiteral("Sair"), this);
    sair->setObjectName(QStringLiteral("BSair"));
    coluna->addWidget(label1);
    coluna->addWidget(edit1, 0, Qt::AlignHCenter);
    auto* botoes = new QHBoxLayout;
    for (QPushButton* b : {executar, sair}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    coluna->addLayout(botoes);
    connect(executar, &QPushButton::clicked, this, &TFDiaPrimEscala::Executa);
    connect(sair, &QPushButton::clicked, this, &QDialog::close);
}

void TFDiaPrimEscala::showEvent(QShowEvent* evento) {
    PintaFundo(this, CorDoSlot(amb.cores, 1));
    edit1->setText((amb.relogio.Hoje() + 1).Texto());
    QDialog::showEvent(evento);
}

void TFDiaPrimEscala::Executa() {
    const int ano = amb.relogio.Hoje().ParaQDate().year();
    // The screen closes before the notice that the program ends.
    encerra = Tenta(amb.dialogos, [&] {
        Reinicio::FixaPrimeiroDia(amb.dm, amb.pasta, amb.dialogos,
                                  Reinicio::LePrimeiroDia(edit1->text(), ano), [this] { close(); });
    });
}
