#include "data/TFCopiaSeg.h"

#include "base/ControlesQt.h"
#include "base/CoresQt.h"
#include "base/Tenta.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TFCopiaSeg::TFCopiaSeg(CopiaSeguranca::Ambiente& ambiente, QWidget* pai)
    : QDialog(pai), amb(ambiente) {
    setObjectName(QStringLiteral("FCopiaSeg"));
    setWindowTitle(QStringLiteral("FCopiaSeg"));
    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(
        Rotulo(this, "Label3", QStringLiteral("Para alterar o local da cópia, clicar no botão")));
    coluna->addWidget(Rotulo(this, "Label4",
                             QStringLiteral("[ Alterar ] e depois selecionar a letra do novo "
                                            "local")));

    auto* panel1 = Nomeado(new QFrame(this), "Panel1");
    panel1->setFrameShape(QFrame::StyledPanel);
    auto* linha1 = new QHBoxLayout(panel1);
    linha1->addWidget(Rotulo(panel1, "Label1", QStringLiteral("Local Atual")));
    eDrive = Nomeado(new QLineEdit(panel1), "EDrive");
    eDrive->setReadOnly(true);
    eDrive->setFocusPolicy(Qt::NoFocus);
    eDrive->setMinimumWidth(eDrive->fontMetrics().horizontalAdvance(QStringLiteral("M")) * 24);
    linha1->addWidget(eDrive, 1);
    coluna->addWidget(panel1);

    auto* bAlterar = Botao(this, "BAlterar", QStringLiteral("Alterar"));
    coluna->addWidget(bAlterar, 0, Qt::AlignLeft);

    panel2 = Nomeado(new QFrame(this), "Panel2");
    panel2->setFrameShape(QFrame::StyledPanel);
    auto* linha2 = new QHBoxLayout(panel2);
    label2 = Rotulo(panel2, "Label2", QStringLiteral("Mudar para:"));
    linha2->addWidget(label2);
    cbDrive = Nomeado(new QComboBox(panel2), "CBDrive");
    cbDrive->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cbDrive->setMinimumContentsLength(24);
    linha2->addWidget(cbDrive, 1);
    coluna->addWidget(panel2);
    // The screen keeps its size whether the chooser shows or not.
    QSizePolicy politica = panel2->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    panel2->setSizePolicy(politica);

    auto* button1 = Botao(this, "Button1", QStringLiteral("Sair"));
    coluna->addWidget(button1, 0, Qt::AlignRight);

    connect(bAlterar, &QPushButton::clicked, this, [this] { MostraEscolha(true); });
    connect(button1, &QPushButton::clicked, this, &QDialog::close);
}

void TFCopiaSeg::MostraEscolha(bool visivel) {
    panel2->setVisible(visivel);
    label2->setVisible(visivel);
    cbDrive->setVisible(visivel);
}

void TFCopiaSeg::showEvent(QShowEvent* evento) {
    PintaFundo(this, CorDoSlot(amb.cores, 1));
    encerra = false;
    raizAtual = CopiaSeguranca::RaizAtual(amb);
    eDrive->setText(CopiaSeguranca::TextoRaiz(raizAtual));
    cbDrive->clear();
    for (const QString& raiz : CopiaSeguranca::Raizes(amb))
        cbDrive->addItem(CopiaSeguranca::TextoRaiz(raiz), raiz);
    cbDrive->setCurrentIndex(qMax(0, cbDrive->findData(raizAtual)));
    MostraEscolha(false);
    QDialog::showEvent(evento);
}

void TFCopiaSeg::done(int resultado) {
    std::optional<QString> escolhida;
    if (!panel2->isHidden() && cbDrive->currentIndex() >= 0)
        escolhida = cbDrive->currentData().toString();
    MostraEscolha(false);
    bool moveu = false;
    Tenta(amb.dialogos, [&] { moveu = CopiaSeguranca::FechaLocal(amb, raizAtual, escolhida); });
    encerra = moveu;
    QDialog::done(resultado);
}
