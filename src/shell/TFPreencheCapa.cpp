#include "shell/TFPreencheCapa.h"

#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "model/Sistema.h"
#include "shell/Capa.h"
#include "shell/TFAlterarFoto.h"
#include "shell/TFEscolherFoto.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFPreencheCapa::TFPreencheCapa(Sistema& s, QWidget* pai)
    : QDialog(pai), sis(s), fEscolherFoto(std::make_unique<TFEscolherFoto>(s)),
      fAlterarFoto(std::make_unique<TFAlterarFoto>(s)) {
    setObjectName(QStringLiteral("FPreencheCapa"));
    setWindowTitle(QStringLiteral("Preenchimento da Capa"));
    auto* grade = new QGridLayout(this);
    const char* rotulos[] = {"Linha 1", "Linha2", "Linha 3", "Linha 4", "Foto da Capa", "Linha 5"};
    for (int i = 0; i < 6; ++i) {
        auto* rotulo = new QLabel(QString::fromUtf8(rotulos[i]), this);
        rotulo->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        grade->addWidget(rotulo, i, 0);
        edits[i] = new QLineEdit(this);
        edits[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        edits[i]->setMinimumWidth(420);
        grade->addWidget(edits[i], i, 1);
    }
    auto* botoes = new QHBoxLayout;
    auto* alterar = new QPushButton(QStringLiteral("Incluir sua Foto"), this);
    alterar->setObjectName(QStringLiteral("BAlterarFoto"));
    auto* escolher = new QPushButton(QStringLiteral("Escolher uma  Foto"), this);
    escolher->setObjectName(QStringLiteral("Button2"));
    auto* sair = new QPushButton(QStringLiteral("Sair"), this);
    sair->setObjectName(QStringLiteral("Button1"));
    for (QPushButton* b : {alterar, escolher, sair}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    botoes->insertStretch(2);
    grade->addLayout(botoes, 6, 0, 1, 2);
    grade->setRowStretch(7, 1);

    // Another organisation than the default one has no motto of its own.
    connect(edits[0], &QLineEdit::editingFinished, this, [this] {
        edits[5]->setText(Capa::LemaAposLinha1(edits[0]->text(), edits[5]->text()));
    });
    connect(escolher, &QPushButton::clicked, this, [this] {
        if (const auto foto = fEscolherFoto->Escolhe())
            edits[4]->setText(*foto);
    });
    connect(alterar, &QPushButton::clicked, this, [this] {
        if (const auto foto = fAlterarFoto->Escolhe())
            edits[4]->setText(*foto);
    });
    connect(sair, &QPushButton::clicked, this, &QDialog::close);
}

TFPreencheCapa::~TFPreencheCapa() = default;

void TFPreencheCapa::showEvent(QShowEvent* evento) {
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    lido = Tenta(sis.dialogos, [&] {
        const TextosCapa textos = Capa::Le(sis);
        for (int i = 0; i < 6; ++i)
            edits[i]->setText(textos[i]);
    });
    QDialog::showEvent(evento);
}

void TFPreencheCapa::done(int resultado) {
    if (lido) {
        TextosCapa textos;
        for (int i = 0; i < 6; ++i)
            textos[i] = edits[i]->text();
        Tenta(sis.dialogos, [&] { Capa::Grava(sis, textos); });
    }
    lido = false;
    QDialog::done(resultado);
}
