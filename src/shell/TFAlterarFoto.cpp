#include "shell/TFAlterarFoto.h"

#include "base/CoresQt.h"
#include "base/Tenta.h"
#include "model/Sistema.h"
#include "shell/Capa.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

TFAlterarFoto::TFAlterarFoto(Sistema& s, QWidget* pai)
    : QDialog(pai), sis(s), pastaAtual(QDir::homePath()) {
    setObjectName(QStringLiteral("FAlterarFoto"));
    setWindowTitle(QStringLiteral("Alterar fotografia"));
    auto* grade = new QGridLayout(this);
    drive = new QComboBox(this);
    drive->setObjectName(QStringLiteral("Drive"));
    for (const QFileInfo& raiz : QDir::drives())
        drive->addItem(QDir::toNativeSeparators(raiz.absolutePath()), raiz.absolutePath());
    grade->addWidget(drive, 0, 0);
    caminho = new QLabel(this);
    caminho->setObjectName(QStringLiteral("Caminho"));
    grade->addWidget(caminho, 1, 0, 1, 2);
    diretorio = new QListWidget(this);
    diretorio->setObjectName(QStringLiteral("Diretorio"));
    diretorio->setMinimumWidth(220);
    grade->addWidget(diretorio, 2, 0);
    arquivos = new QListWidget(this);
    arquivos->setObjectName(QStringLiteral("Arquivos"));
    arquivos->setMinimumWidth(220);
    grade->addWidget(arquivos, 2, 1);
    auto* sair = new QPushButton(QStringLiteral("Sair"), this);
    sair->setObjectName(QStringLiteral("BSair"));
    sair->setAutoDefault(false);
    grade->addWidget(sair, 3, 1, Qt::AlignRight);
    connect(sair, &QPushButton::clicked, this, &QDialog::close);
    connect(drive, &QComboBox::activated, this,
            [this](int i) { MostraPasta(drive->itemData(i).toString()); });
    connect(diretorio, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        MostraPasta(QDir(pastaAtual).absoluteFilePath(item->text()));
    });
    connect(arquivos, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const QString origem = QDir(pastaAtual).absoluteFilePath(item->text());
        Tenta(sis.dialogos, [&] {
            copia = Capa::CopiaFoto(sis, origem);
            accept();
        });
    });
    resize(500, 380);
}

std::optional<QString> TFAlterarFoto::Escolhe() {
    copia.reset();
    exec();
    return copia;
}

void TFAlterarFoto::MostraPasta(const QString& pasta) {
    const QDir dir(pasta);
    if (!dir.exists())
        return;
    pastaAtual = dir.canonicalPath();
    caminho->setText(QDir::toNativeSeparators(pastaAtual));
    diretorio->clear();
    if (!dir.isRoot())
        diretorio->addItem(QStringLiteral(".."));
    diretorio->addItems(
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    arquivos->clear();
    arquivos->addItems(
        dir.entryList(Capa::PadroesFoto(), QDir::Files, QDir::Name | QDir::IgnoreCase));
    for (int i = 0; i < drive->count(); ++i)
        if (pastaAtual.startsWith(drive->itemData(i).toString()))
            drive->setCurrentIndex(i);
}

void TFAlterarFoto::showEvent(QShowEvent* evento) {
    PintaFundo(this, CorDoSlot(sis.SlotsCores, 1));
    PintaFundo(diretorio, CorDoSlot(sis.SlotsCores, 6));
    PintaFundo(arquivos, CorDoSlot(sis.SlotsCores, 6));
    MostraPasta(pastaAtual);
    QDialog::showEvent(evento);
}
