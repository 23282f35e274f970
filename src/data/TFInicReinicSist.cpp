#include "data/TFInicReinicSist.h"

#include "base/ControlesQt.h"
#include "base/CoresQt.h"
#include "base/Relogio.h"
#include "base/Tenta.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// A group of two choices, item 0 chosen.
QGroupBox* Grupo(QWidget* pai, const char* nome, const QString& titulo, QRadioButton* (&itens)[2],
                 const QString& item0 = {}, const QString& item1 = {}) {
    auto* grupo = new QGroupBox(titulo, pai);
    grupo->setObjectName(QLatin1String(nome));
    auto* linhas = new QVBoxLayout(grupo);
    const QString textos[] = {item0, item1};
    for (int i = 0; i < 2; ++i) {
        itens[i] = new QRadioButton(textos[i], grupo);
        itens[i]->setObjectName(QStringLiteral("%1Item%2").arg(QLatin1String(nome)).arg(i));
        linhas->addWidget(itens[i]);
    }
    itens[0]->setChecked(true);
    return grupo;
}

} // namespace

TFInicReinicSist::TFInicReinicSist(const Reinicio::Ambiente& ambiente, QWidget* pai)
    : QDialog(pai), amb(ambiente) {
    setObjectName(QStringLiteral("FInicReinicSist"));
    setWindowTitle(QStringLiteral("Iniciar / Reiniciar Sistema"));
    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(Rotulo(this, "Label1",
                             QStringLiteral("Você pode eliminar ou manter os dados dos seguintes "
                                            "arquivos ")));
    coluna->addWidget(
        Rotulo(this, "Label6", QStringLiteral("selecionando adequadamente as caixas abaixo.")));
    coluna->addWidget(
        Rotulo(this, "Label2",
               QStringLiteral("1. Pessoal (dados pessoais dos militares -  nº, nome, etc)")));
    coluna->addWidget(Rotulo(this, "Label4",
                             QStringLiteral("2, Escalas de Serviço (descrição e características "
                                            "das Escalas - Gda, Sgt Dia, etc)")));
    coluna->addWidget(
        Rotulo(this, "Label5",
               QStringLiteral("3. Histórico (relação dos militares de serviço a cada dia).")));

    rgLimpaBD = Grupo(this, "RGLimpaBD", QStringLiteral("Dados dos Militares e das Escalas de Sv "),
                      limpaBD, QStringLiteral("Manter (Recomendado)"),
                      QStringLiteral("Eliminar (nº, nomes e serviços-Gda,Of Dia.etc)"));
    rgHistorico = Grupo(this, "RGHistorico", QStringLiteral("Histórico dos Serviços"), historico);
    coluna->addWidget(rgLimpaBD);
    coluna->addWidget(rgHistorico);
    // "Eliminar" hides the history choice; it keeps what was chosen there.
    connect(limpaBD[0], &QRadioButton::toggled, rgHistorico, &QWidget::setVisible);

    auto* linhaDia = new QHBoxLayout;
    linhaDia->addWidget(Rotulo(this, "Label3", QStringLiteral("Dia da primeira escalação >>")));
    edit1 = new QLineEdit(QStringLiteral("dd/mm/aa"), this);
    edit1->setObjectName(QStringLiteral("Edit1"));
    edit1->setFixedWidth(edit1->fontMetrics().horizontalAdvance(QStringLiteral("00/00/0000")) + 24);
    linhaDia->addWidget(edit1);
    linhaDia->addStretch();
    coluna->addLayout(linhaDia);
    connect(edit1, &QLineEdit::textChanged, this, [this](const QString& texto) {
        MontaHistorico(QStringLiteral("Manter os registros anteriores a  ") + texto,
                       QStringLiteral("Eliminar (apaga todo o Arquivo Histórico"));
    });

    auto* botoes = new QHBoxLayout;
    auto* executar = new QPushButton(QStringLiteral("(Re) Iniciar Sistema"), this);
    executar->setObjectName(QStringLiteral("BExecutar"));
    auto* sair = new QPushButton(QStringLiteral("Sair/Cancelar"), this);
    sair->setObjectName(QStringLiteral("BSair"));
    for (QPushButton* b : {executar, sair}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    coluna->addLayout(botoes);
    connect(executar, &QPushButton::clicked, this, &TFInicReinicSist::Executa);
    connect(sair, &QPushButton::clicked, this, &QDialog::close);
}

void TFInicReinicSist::MontaHistorico(const QString& manter, const QString& eliminar) {
    historico[0]->setText(manter);
    historico[1]->setText(eliminar);
    historico[0]->setChecked(true);
}

void TFInicReinicSist::showEvent(QShowEvent* evento) {
    PintaFundo(this, CorDoSlot(amb.cores, 1));
    {
        const QSignalBlocker bloqueio(edit1);
        edit1->setText((amb.relogio.Hoje() + 1).Texto());
    }
    MontaHistorico(QStringLiteral("Manter os registros anteriores a ") + edit1->text(),
                   QStringLiteral("Eliminar (apaga todo o Arquivo Histórico)"));
    rgHistorico->setVisible(true);
    QDialog::showEvent(evento);
}

void TFInicReinicSist::Executa() {
    const int ano = amb.relogio.Hoje().ParaQDate().year();
    Reinicio::Opcoes opcoes;
    opcoes.EliminaCadastro = limpaBD[1]->isChecked();
    opcoes.EliminaHistorico = historico[1]->isChecked();
    encerra = Tenta(amb.dialogos, [&] {
        Reinicio::ReiniciaSistema(amb.dm, amb.pasta, amb.dialogos,
                                  Reinicio::LePrimeiroDia(edit1->text(), ano), opcoes);
    });
    if (encerra)
        close();
}
