#include "shell/TFEscolherFoto.h"

#include "base/CoresQt.h"
#include "model/Sistema.h"
#include "shell/Capa.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TFEscolherFoto::TFEscolherFoto(Sistema& s, QWidget* pai) : QDialog(pai), sis(s) {
    setObjectName(QStringLiteral("FEscolherFoto"));
    setWindowTitle(QStringLiteral("Escolher uma fotografia"));
    auto* coluna = new QVBoxLayout(this);
    arquivos = new QListWidget(this);
    arquivos->setObjectName(QStringLiteral("Arquivos"));
    coluna->addWidget(arquivos);
    auto* sair = new QPushButton(QStringLiteral("Sair"), this);
    sair->setObjectName(QStringLiteral("BSair"));
    sair->setAutoDefault(false);
    coluna->addWidget(sair, 0, Qt::AlignRight);
    connect(sair, &QPushButton::clicked, this, &QDialog::close);
    connect(arquivos, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        escolhida = item->text();
        accept();
    });
    resize(320, 360);
}

std::optional<QString> TFEscolherFoto::Escolhe() {
    escolhida.reset();
    exec();
    return escolhida;
}

void TFEscolherFoto::showEvent(QShowEvent* evento) {
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    PintaFundo(arquivos, CorDoSlot(sis.SlotsCores, 6));
    arquivos->clear();
    arquivos->addItems(Capa::FotosDaPasta(sis));
    QDialog::showEvent(evento);
}
