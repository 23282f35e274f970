#include "data/TFBackup.h"

#include "base/ControlesQt.h"
#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "data/TFCopiaSeg.h"

#include <QVBoxLayout>

TFBackup::TFBackup(CopiaSeguranca::Ambiente ambiente, QWidget* pai)
    : QDialog(pai), amb(std::move(ambiente)) {
    setObjectName(QStringLiteral("FBackup"));
    setWindowTitle(QStringLiteral("Cópia de Segurança"));
    auto* coluna = new QVBoxLayout(this);
    coluna->setSpacing(10);
    auto* label1 = Rotulo(this, "Label1", QStringLiteral("Cópia de Segurança"));
    QFont fonte = label1->font();
    fonte.setPointSize(fonte.pointSize() + 6);
    fonte.setBold(true);
    label1->setFont(fonte);
    label1->setAlignment(Qt::AlignCenter);
    coluna->addWidget(label1);
    label2 = Rotulo(this, "Label2", QString());
    coluna->addWidget(label2);
    bSalvar = Botao(this, "BSalvar", QStringLiteral("Salvar  em"));
    bRecuperar = Botao(this, "BRecuperar", QStringLiteral("Recuperar  de"));
    auto* button1 = Botao(this, "Button1", QStringLiteral("Alterar local da cópia"));
    auto* sair = Botao(this, "BSair", QStringLiteral("Sair"));
    for (QPushButton* b : {bSalvar, bRecuperar, button1, sair}) {
        b->setMinimumHeight(32);
        coluna->addWidget(b);
    }
    setMinimumWidth(380);
    fCopiaSeg = new TFCopiaSeg(amb, this);

    connect(bSalvar, &QPushButton::clicked, this,
            [this] { Tenta(amb.dialogos, [this] { CopiaSeguranca::Salva(amb); }); });
    connect(bRecuperar, &QPushButton::clicked, this, &TFBackup::Recuperar);
    connect(button1, &QPushButton::clicked, this, &TFBackup::AlterarLocal);
    connect(sair, &QPushButton::clicked, this, &QDialog::close);
}

TFBackup::~TFBackup() = default;

void TFBackup::showEvent(QShowEvent* evento) {
    PintaFundo(this, CorDoSlot(amb.cores, 1));
    encerra = recuperou = false;
    MostraLocal();
    QDialog::showEvent(evento);
}

void TFBackup::MostraLocal() {
    const QString x = CopiaSeguranca::TextoRaiz(CopiaSeguranca::RaizAtual(amb));
    label2->setText(QStringLiteral("   Atualmente realizada em: ") + x);
    bSalvar->setText(QStringLiteral("Salvar em   ") + x);
    bRecuperar->setText(QStringLiteral("Recuperar de   ") + x);
}

void TFBackup::Recuperar() {
    // The screen closes and the main window shows the restored register before
    // the notice that the program ends.
    Tenta(amb.dialogos, [this] {
        recuperou = CopiaSeguranca::Recupera(amb, [this] {
            close();
            emit CadastroRecuperado();
        });
    });
    encerra = recuperou;
}

void TFBackup::AlterarLocal() {
    fCopiaSeg->exec();
    if (fCopiaSeg->EncerraPrograma()) {
        encerra = true;
        close();
        return;
    }
    MostraLocal();
}
