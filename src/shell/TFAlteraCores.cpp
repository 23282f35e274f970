#include "shell/TFAlteraCores.h"

#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "model/Sistema.h"
#include "shell/Cores.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* Rotulo(QWidget* pai, const QString& nome, const QString& texto) {
    auto* l = new QLabel(texto, pai);
    l->setObjectName(nome);
    return l;
}

} // namespace

TFAlteraCores::TFAlteraCores(Sistema& s, QWidget* pai) : QDialog(pai), sis(s) {
    setObjectName(QStringLiteral("FAlteraCores"));
    setWindowTitle(QStringLiteral("Painel para alteração de cores"));
    auto* coluna = new QVBoxLayout(this);
    // Panel1 holds swatches 1..6, Panel2 swatches 7..13, each under its number.
    const auto painel = [&](const char* nome, const QString& titulo, int de, int ate) {
        auto* p = new QGroupBox(titulo, this);
        p->setObjectName(QLatin1String(nome));
        auto* grade = new QGridLayout(p);
        for (int i = de; i <= ate; ++i) {
            auto* numero = Rotulo(p, QStringLiteral("Numero%1").arg(i), QString::number(i));
            numero->setAlignment(Qt::AlignCenter);
            grade->addWidget(numero, 0, i - de);
            auto* shape = new QFrame(p);
            shape->setObjectName(QStringLiteral("Shape%1").arg(i));
            shape->setFrameShape(QFrame::Box);
            shape->setFixedSize(48, 40);
            grade->addWidget(shape, 1, i - de, Qt::AlignCenter);
            shapes[i] = shape;
        }
        coluna->addWidget(p);
    };
    painel("Panel1", QStringLiteral("Cores Básicas"), 1, 6);
    painel("Panel2", QStringLiteral("Cores substitutas"), 7, 13);

    auto* troca = new QGridLayout;
    troca->addWidget(Rotulo(this, QStringLiteral("Label14"), QStringLiteral("Cor a ser trocada")),
                     0, 0);
    edit1 = new QLineEdit(QStringLiteral("1"), this);
    edit1->setObjectName(QStringLiteral("Edit1"));
    edit1->setMaximumWidth(60);
    troca->addWidget(edit1, 0, 1);
    troca->addWidget(Rotulo(this, QStringLiteral("Label15"), QStringLiteral("Cor substituta")), 1,
                     0);
    edit2 = new QLineEdit(QStringLiteral("1"), this);
    edit2->setObjectName(QStringLiteral("Edit2"));
    edit2->setMaximumWidth(60);
    troca->addWidget(edit2, 1, 1);
    auto* button2 = new QPushButton(QStringLiteral("Efetuar a Troca"), this);
    button2->setObjectName(QStringLiteral("Button2"));
    button2->setAutoDefault(false);
    troca->addWidget(button2, 2, 0);
    auto* originais = new QPushButton(QStringLiteral("Cores originais"), this);
    originais->setObjectName(QStringLiteral("BCoresOriginais"));
    originais->setAutoDefault(false);
    troca->addWidget(originais, 2, 1);
    troca->setColumnStretch(2, 1);
    coluna->addLayout(troca);
    coluna->addStretch();

    connect(button2, &QPushButton::clicked, this, [this] {
        if (Tenta(sis.dialogos, [&] { TrocaCores(sis, edit1->text(), edit2->text()); }))
            Pinta();
    });
    connect(originais, &QPushButton::clicked, this, [this] {
        CoresOriginais(sis);
        Pinta();
    });
}

void TFAlteraCores::PintaAmostras() {
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    for (int i = 1; i <= 13; ++i)
        PintaFundo(shapes[i], CorDoSlot(sis.SlotsCores, i));
}

void TFAlteraCores::Pinta() {
    PintaAmostras();
    emit CoresMudaram();
}

void TFAlteraCores::showEvent(QShowEvent* evento) {
    PintaAmostras();
    QDialog::showEvent(evento);
}

void TFAlteraCores::done(int resultado) {
    Tenta(sis.dialogos, [&] { GravaCores(sis); });
    QDialog::done(resultado);
}
