#include "reports/TFEscolherSv.h"

#include "base/ConsultaF1Qt.h"
#include "base/CoresQt.h"
#include "model/Servicos.h"
#include "model/Sistema.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFEscolherSv::TFEscolherSv(Sistema& s, QWidget* pai) : QDialog(pai), sis(s) {
    setObjectName(QStringLiteral("FEscolherSv"));
    MarcaConsultaF1(this);
    setWindowTitle(QStringLiteral("Escolher Escalas"));

    auto* principal = new QHBoxLayout(this);
    auto* coluna = new QVBoxLayout;
    principal->addLayout(coluna);

    auto* rotulo = new QLabel(QStringLiteral("Serviços"), this);
    rotulo->setObjectName(QStringLiteral("Label1"));
    coluna->addWidget(rotulo);

    auto* grade = new QGridLayout;
    for (int n = 1; n <= 30; ++n) {
        auto* caixa = new QCheckBox(this);
        caixa->setObjectName(QStringLiteral("CheckBox%1").arg(n));
        caixa->setMinimumWidth(110);
        grade->addWidget(caixa, (n - 1) % 10, (n - 1) / 10);
        caixas[n] = caixa;
    }
    coluna->addLayout(grade);

    caixas[31] = new QCheckBox(QStringLiteral("Selecionar Todos"), this);
    caixas[31]->setObjectName(QStringLiteral("CheckBox31"));
    coluna->addWidget(caixas[31]);

    auto* pronto = new QPushButton(QStringLiteral("Pronto"), this);
    pronto->setObjectName(QStringLiteral("Button6"));
    connect(pronto, &QPushButton::clicked, this, &QDialog::accept);
    coluna->addWidget(pronto, 0, Qt::AlignRight);

    nota = new QPlainTextEdit(this);
    nota->setObjectName(QStringLiteral("Memo1"));
    nota->setReadOnly(true);
    nota->setPlainText(QStringList({QStringLiteral("No próximo Painel, inicialmente estarão"),
                                    QStringLiteral("marcados os  Serviços  aos quais  o militar"),
                                    QStringLiteral("concorre atualmente ."),
                                    QStringLiteral("Ao  final,  devem  permanecer marcados"),
                                    QStringLiteral("apenas  os  Serviços  aos quais   o  militar "),
                                    QStringLiteral("continuará a concorrer."),
                                    QStringLiteral("===  Clicar no painel para sair  === ")})
                           .join(QLatin1Char('\n')));
    nota->setMinimumWidth(320);
    nota->viewport()->installEventFilter(this);
    nota->hide();
    principal->addWidget(nota);
}

void TFEscolherSv::Marca(int n, bool marcado) {
    if (n >= 1 && n <= 31)
        caixas[n]->setChecked(marcado);
}

void TFEscolherSv::MostraNota(bool visivel) {
    nota->setVisible(visivel);
}

void TFEscolherSv::showEvent(QShowEvent* evento) {
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    LimpaSel(sis);
    for (int n = 1; n <= 30; ++n)
        caixas[n]->setText(sis.VetSv[n].Descr);
    QDialog::showEvent(evento);
}

void TFEscolherSv::done(int resultado) {
    const bool todos = caixas[31]->isChecked();
    for (int n = 1; n <= 30; ++n)
        if (todos || caixas[n]->isChecked())
            sis.VetSv[n].Sel = QStringLiteral("S");
    for (int n = 1; n <= 31; ++n)
        caixas[n]->setChecked(false);
    QDialog::done(resultado);
}

bool TFEscolherSv::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == nota->viewport() && evento->type() == QEvent::MouseButtonPress) {
        nota->hide();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}
